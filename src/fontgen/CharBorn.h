#pragma once
// The LED font generator: the font entries of the codes 0x20 to 0x7F as C or
// assembler source text, for a display whose segments are wired to the bits
// of an entry in the order the user types.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/Platform.h"
#include "fontgen/CharBornFormControls.h"
#include "fontgen/FontTables.h"

enum class FontFormat { Uchar, Ushort, Asm };

// Box k is bit k of an entry: 0 to 7 the low byte, 8 to 15 the high byte.
inline constexpr std::array<Control, 16> OrderBoxes = {
    CharBornFormControls::CharTextOrder0,  CharBornFormControls::CharTextOrder1,
    CharBornFormControls::CharTextOrder2,  CharBornFormControls::CharTextOrder3,
    CharBornFormControls::CharTextOrder4,  CharBornFormControls::CharTextOrder5,
    CharBornFormControls::CharTextOrder6,  CharBornFormControls::CharTextOrder7,
    CharBornFormControls::CharTextOrder8,  CharBornFormControls::CharTextOrder9,
    CharBornFormControls::CharTextOrder10, CharBornFormControls::CharTextOrder11,
    CharBornFormControls::CharTextOrder12, CharBornFormControls::CharTextOrder13,
    CharBornFormControls::CharTextOrder14, CharBornFormControls::CharTextOrder15,
};

// One entry before formatting: its bytes as two hex digits each, and the
// comment naming its character. A 7 segment entry has no high byte.
struct FontEntry {
  std::string high, low, comment;
};

// The order boxes, box 0 first, as 16 upper-case characters: position p
// (from 1) is box p-1, a blank for an empty box. A box stands for one
// segment, so only its first character counts.
std::string OrderString(const std::array<std::string, 16>& boxes);
// The byte of positions 1 to 8 (low) or 9 to 16 (high) of the order: a bit
// for every position whose letter is lit, inverted when reverse is set.
std::string LowByte(std::string_view lit, std::string_view order, bool reverse);
std::string HighByte(std::string_view lit, std::string_view order, bool reverse);
// The 96 entries of one display type in code order.
std::vector<FontEntry> BornTable(LedDisplay, std::string_view order, bool reverse);
std::string FormatEntry(const FontEntry&, FontFormat);
// The whole font text, every line ending in CR LF.
std::string BornText(LedDisplay, FontFormat, std::string_view order, bool reverse);

// The file beside the program that shows the display with its segment letters.
std::string_view DrawingFile(LedDisplay);

// "Born": fills CharTextCode from the order boxes, the display type, Reverse
// and the format as the window shows them.
void CharButtonBorn_Click(Controls&);
// A display type chosen: the high row takes part for 14 and 16 segments only.
// Returns the drawing to show.
std::string_view CharOption_Click(Controls&, LedDisplay);
