#include "panels/HdmiRegisters.h"

#include <span>
#include <string>

#include "app/DesktopFormControls.h"
#include "images/CodeBuffer.h"
#include "link/TxRx.h"

namespace C = HdmiFormControls;

namespace {

constexpr uint32_t Black = 0, Red = 255;
// The register dump always goes to the HDMI section, whatever HdmiTextAddress says.
constexpr std::string_view DumpAddress = "3";

const HdmiCommand* Find(std::span<const HdmiCommand> table, Control c) {
  for (const HdmiCommand& entry : table)
    if (entry.control.name == c.name) return &entry;
  return nullptr;
}

void ShowState(Ambrelin& a, uint32_t colour, std::string_view prefix, int reg) {
  a.controls.SetColour(DesktopFormControls::UpdateLabelBurnState, colour);
  a.controls.SetText(DesktopFormControls::UpdateLabelBurnState,
                     std::string(prefix) + HexText(static_cast<uint32_t>(reg)));
}

// A second dump started from inside the first one's waits would take its
// replies; the read buttons rest until the dump ends.
void EnableReadButtons(Ambrelin& a, bool enabled) {
  a.controls.SetEnabled(C::Ad9880CommandReadReg, enabled);
  a.controls.SetEnabled(C::Ad9889CommandReadReg, enabled);
}

// Frame indices of a register reply: the header, then the request's data
// bytes with the value in place of its last one.
DumpEnd CheckReply(const LinkState& link, const HdmiChip& chip, int reg) {
  const auto& f = link.RxFrame;
  // A reply shorter than a register reply would leave older bytes in the
  // fields checked below.
  if (f[2] != HostAddress || f[5] < 6 || f[6] != 0x05 || f[7] != 0x00 || f[8] != 0x00 || f[9] != chip.readCode)
    return DumpEnd::CommunicationError;
  if (f[10] != reg) return DumpEnd::ReadError;
  return DumpEnd::Complete;
}

DumpResult Dump(Ambrelin& a, const HdmiChip& chip) {
  for (int reg = 0; reg <= 0xFF; ++reg) {
    TxByHex(a, DumpAddress, std::string(chip.readHead) + TwoHexDigits(reg) + "00");
    const double deadline = a.pump.Now() + RegisterReplyTimeout;
    // A closed port brings no reply: its wait ends at once, as a timeout.
    if (AwaitReply(a, deadline) != Wait::Reply) return {DumpEnd::Timeout, reg};
    a.link.RxFrameReady = false;
    if (DumpEnd end = CheckReply(a.link, chip, reg); end != DumpEnd::Complete) return {end, reg};
    a.code.Buffer[static_cast<size_t>(reg)] = a.link.RxFrame[11];
    ShowState(a, Black, "写入: 读取0x", reg);
  }
  return {DumpEnd::Complete, 0xFF};
}

}  // namespace

void HdmiRegisterLabel_Click(Ambrelin& a, Control c) {
  if (const HdmiCommand* entry = Find(HdmiRegisterCommands::Labels, c)) HdmiSend(a, entry->command);
}

void Ad8197Text_DblClick(Ambrelin& a, Control c) {
  // Nothing is checked or padded: a value that is not hex is TxByHex's to reject.
  if (const HdmiCommand* entry = Find(HdmiRegisterCommands::Writes, c))
    HdmiSend(a, std::string(entry->command) + a.controls.Text(c));
}

void Ad9889CheckPower_Click(Ambrelin& a) {
  const HdmiMute& power = HdmiRegisterCommands::Power;
  HdmiSend(a, a.controls.Ticked(power.control) ? power.ticked : power.notTicked);
}

DumpResult ReadRegisters(Ambrelin& a, const HdmiChip& chip) {
  EnableReadButtons(a, false);
  a.link.ReplyWanted = true;
  const DumpResult result = Dump(a, chip);
  a.link.ReplyWanted = false;
  switch (result.end) {
    case DumpEnd::Complete: break;
    case DumpEnd::Timeout: ShowState(a, Red, "写入:超时错0x", result.reg); break;
    case DumpEnd::CommunicationError: ShowState(a, Red, "写入:通信错0x", result.reg); break;
    case DumpEnd::ReadError: ShowState(a, Red, "写入:读取错0x", result.reg); break;
  }
  EnableReadButtons(a, true);
  return result;
}

void Ad9880CommandReadReg_Click(Ambrelin& a) { ReadRegisters(a, Ad9880); }

void Ad9889CommandReadReg_Click(Ambrelin& a) { ReadRegisters(a, Ad9889); }
