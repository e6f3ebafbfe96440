#include "panels/HdmiPanel.h"

#include <string>

#include "link/TxRx.h"

namespace C = HdmiFormControls;

namespace {

template <typename Table>
auto Find(const Table& table, Control c) -> decltype(&table[0]) {
  for (const auto& entry : table)
    if (entry.control.name == c.name) return &entry;
  return nullptr;
}

const HdmiCommand* CommandOf(Control c) {
  if (const HdmiCommand* button = Find(HdmiCommands::Buttons, c)) return button;
  return Find(HdmiCommands::Options, c);
}

}  // namespace

void HdmiSend(Ambrelin& a, std::string_view command) { TxByHex(a, a.controls.Text(C::HdmiTextAddress), command); }

void HdmiControl_Click(Ambrelin& a, Control c) {
  if (const HdmiCommand* entry = CommandOf(c)) HdmiSend(a, entry->command);
}

void HdmiOption_DblClick(Ambrelin& a, Control c) {
  const HdmiCommand* entry = Find(HdmiCommands::Options, c);
  if (entry && entry->onDoubleClick) HdmiSend(a, entry->command);
}

void HdmiCheckMute_Click(Ambrelin& a, Control c) {
  if (const HdmiMute* mute = Find(HdmiCommands::Mutes, c))
    HdmiSend(a, a.controls.Ticked(c) ? mute->ticked : mute->notTicked);
}

void HdmiTextHdmiStep_DblClick(Ambrelin& a) {
  // Nothing is checked here: a step that is not hex is TxByHex's to reject.
  HdmiSend(a, "0500 0000 00" + a.controls.Text(C::HdmiTextHdmiStep));
}
