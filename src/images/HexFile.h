#pragma once
// Intel HEX images, from a file or from the code text box.
#include <cstdint>
#include <string>

#include "app/Ambrelin.h"

void LoadCode_HexFile(Ambrelin&, const std::string& path, uint8_t fill, int32_t start, int32_t end);
// The HEX text typed or pasted into DesktopTextCode1.
void LoadCode_Include(Ambrelin&, uint8_t fill, int32_t start, int32_t end);
