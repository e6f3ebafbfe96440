#pragma once
// Which segments each character lights on the three display types.
#include <string>
#include <string_view>

enum class LedDisplay { Seg7, Seg14, Seg16 };

// The font covers the printable codes and DEL.
inline constexpr int FirstCode = 0x20, LastCode = 0x7F;

// The letters of the lit segments of a code from FirstCode to LastCode, as
// the display's drawing names them; empty for a blank character or a code
// outside the font.
std::string_view LitSegments(LedDisplay, int code);
// Every segment letter the display's characters use.
std::string SegmentLetters(LedDisplay);
