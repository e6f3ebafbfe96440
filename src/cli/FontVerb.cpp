// The font generator's "Born" from the command line.
#include <cctype>
#include <iostream>

#include "cli/Cli.h"
#include "fontgen/CharBorn.h"
#include "fontgen/CharBornFormControls.h"

namespace C = CharBornFormControls;

// The window's "Born" over headless controls: the same text, CR LF included.
int Font(Parsed& p) {
  const std::string display = p.Value("display");
  if (display != "7" && display != "14" && display != "16") return p.Usage("--display must be 7, 14 or 16");
  const LedDisplay led = display == "7" ? LedDisplay::Seg7 : display == "14" ? LedDisplay::Seg14 : LedDisplay::Seg16;
  const std::string order = p.Value("order");
  if (!p.Set("order")) return p.Usage("--order is required");
  if (order.size() > OrderBoxes.size()) return p.Usage("--order names at most 16 bits");
  const std::string format = p.Value("format");
  if (p.Set("format") && format != "uchar" && format != "ushort" && format != "asm")
    return p.Usage("--format must be uchar, ushort or asm");

  // The order boxes from box 0 on: a segment letter each, '-' or a blank for an unused bit.
  MapControls controls;
  const std::string segments = SegmentLetters(led);
  for (size_t k = 0; k < order.size(); ++k) {
    const char c = order[k];
    if (c == ' ' || c == '-') continue;
    if (segments.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c)))) == std::string::npos)
      return p.Usage(std::string("'") + c + "' names no segment of the " + display + " segment display (" + segments + ")");
    controls.SetText(OrderBoxes[k], std::string(1, c));
  }
  controls.SetTicked(C::CharOption7, led == LedDisplay::Seg7);
  controls.SetTicked(C::CharOption14, led == LedDisplay::Seg14);
  controls.SetTicked(C::CharOption16, led == LedDisplay::Seg16);
  controls.SetTicked(C::CharCheckCode, p.Set("reverse"));
  if (p.Set("format")) {
    controls.SetTicked(C::CharOptionUchar, format == "uchar");
    controls.SetTicked(C::CharOptionUshort, format == "ushort");
    controls.SetTicked(C::CharOptionAsm, format == "asm");
  }
  CharButtonBorn_Click(controls);
  std::cout << controls.Text(C::CharTextCode) << std::flush;
  return ExitOk;
}
