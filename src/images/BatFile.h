#pragma once
// Burn scripts: one target a line, its ID digit, a separator, its image.
#include <cstdint>
#include <string>

#include "app/Ambrelin.h"

int16_t ScriptLineCount(Ambrelin&, const std::string& script);
// A line number beyond the end reads the last line.
int16_t ScriptTargetId(Ambrelin&, const std::string& script, int line);
// The image named on the line, in the script's folder; empty when the line
// names none. Written as the script has it, with \ or / between folders.
std::string ScriptImagePath(Ambrelin&, const std::string& script, int line);
