#pragma once
// The burner window is the part of the program that speaks English too.
#include <string>
#include <string_view>

#include "app/Ambrelin.h"

// Sets the burner window's captions for the current Language.
void ApplyCaptions(Ambrelin&);
void DesktopButtonSelectLanguage_Click(Ambrelin&);
// Chooses between a Chinese and an English text by Language.
std::string_view ByLanguage(const Ambrelin&, std::string_view chinese, std::string_view english);
// Every occurrence of a word replaced, for captions that carry live values.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);
