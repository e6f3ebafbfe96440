// The font generator's "Born" from the command line.
#include <iostream>

#include "cli/Cli.h"
#include "fontgen/CharBorn.h"
#include "fontgen/CharBornFormControls.h"

namespace {

// The order boxes from box 0 on: a letter each, a blank or '-' for an empty box.
bool FillOrderBoxes(MapControls& controls, std::string_view order) {
  if (order.size() > OrderBoxes.size()) return false;
  for (size_t k = 0; k < order.size(); ++k) {
    const char c = order[k];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && c != ' ' && c != '-') return false;
    controls.SetText(OrderBoxes[k], letter ? std::string(1, c) : std::string());
  }
  return true;
}

}  // namespace

// The window's "Born" over headless controls: the same text, CR LF included.
int Font(const Arguments& args) {
  MapControls controls;
  bool haveDisplay = false, haveOrder = false;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    if (arg == "--display" && hasValue && !haveDisplay) {
      const std::string display = args[++k];
      if (display != "7" && display != "14" && display != "16") return BadUsage;
      controls.SetTicked(CharBornFormControls::CharOption7, display == "7");
      controls.SetTicked(CharBornFormControls::CharOption14, display == "14");
      controls.SetTicked(CharBornFormControls::CharOption16, display == "16");
      haveDisplay = true;
    } else if (arg == "--order" && hasValue && !haveOrder) {
      if (!FillOrderBoxes(controls, args[++k])) return BadUsage;
      haveOrder = true;
    } else if (arg == "--reverse") {
      controls.SetTicked(CharBornFormControls::CharCheckCode, true);
    } else if (arg == "--format" && hasValue) {
      const std::string format = args[++k];
      if (format != "uchar" && format != "ushort" && format != "asm") return BadUsage;
      controls.SetTicked(CharBornFormControls::CharOptionUchar, format == "uchar");
      controls.SetTicked(CharBornFormControls::CharOptionUshort, format == "ushort");
      controls.SetTicked(CharBornFormControls::CharOptionAsm, format == "asm");
    } else {
      return BadUsage;
    }
  }
  if (!haveDisplay || !haveOrder) return BadUsage;
  CharButtonBorn_Click(controls);
  std::cout << controls.Text(CharBornFormControls::CharTextCode) << std::flush;
  return Ok;
}

