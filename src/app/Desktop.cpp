#include "app/Desktop.h"

#include <charconv>
#include <filesystem>
#include <fstream>

#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/InfoFormControls.h"
#include "app/Language.h"
#include "app/Utf8Path.h"

namespace Main = DesktopFormControls;

namespace {

// The debug boxes are stored under their own names, in this order.
constexpr Control DebugBoxes[] = {
    Main::DebugTextAddressA, Main::DebugTextAddressB, Main::DebugTextAddress1, Main::DebugTextAddress2,
    Main::DebugTextAddress3, Main::DebugTextAddress4, Main::DebugTextL1,       Main::DebugTextL2,
    Main::DebugTextL3,       Main::DebugTextL4,       Main::DebugTextL5,       Main::DebugTextL6,
    Main::DebugTextR1,       Main::DebugTextR2,       Main::DebugTextR3,       Main::DebugTextR4,
    Main::DebugTextR5,       Main::DebugTextR6,       Main::DebugTextC1,       Main::DebugTextC2,
    Main::DebugTextC3,       Main::DebugTextC4,       Main::DebugTextC5,       Main::DebugTextC6,
    Main::DebugTextD1,       Main::DebugTextD2,       Main::DebugTextD3,       Main::DebugTextD4,
    Main::DebugTextD5,       Main::DebugTextD6,
};

// A stored language that is not a number, or does not fit a byte, is Chinese;
// any other value above 1 is English.
uint8_t ReadLanguage(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value < 0 || value > 255) return 0;
  return value > 1 ? 1 : static_cast<uint8_t>(value);
}

}  // namespace

void DesktopForm_Load(Ambrelin& a) {
  a.Language = ReadLanguage(a.settings.Get("System", "Language"));
  ApplyCaptions(a);
  const std::string fileName = a.settings.Get("Burn", "FileName");
  a.controls.SetText(Main::UpdateTextFileName, fileName);
  a.controls.SetText(BurnDesktopControls::UpdateTextFileName, a.controls.Text(Main::UpdateTextFileName));
  for (Control box : DebugBoxes) a.controls.SetText(box, a.settings.Get("Debug", box.name));
}

void DesktopForm_Unload(Ambrelin& a) {
  a.settings.Put("System", "Language", std::to_string(a.Language));
  a.settings.Put("Burn", "FileName", a.controls.Text(Main::UpdateTextFileName));
  for (Control box : DebugBoxes) a.settings.Put("Debug", box.name, a.controls.Text(box));
}

std::string RunLogPath(const Ambrelin& a) { return a.dataFolder + "/VellDebuger.Txt"; }

void InfoList_DblClick(Ambrelin& a) {
  a.controls.SetEntries(Main::UpdateListInfo, {});
  a.controls.SetEntries(InfoFormControls::InfoListOutput, {});
  // The log is only ever emptied; a folder or file that cannot be written is no matter.
  std::error_code ignored;
  std::filesystem::create_directories(Utf8Path(a.dataFolder), ignored);
  std::ofstream(Utf8Path(RunLogPath(a)), std::ios::binary | std::ios::trunc) << '\n';
}
