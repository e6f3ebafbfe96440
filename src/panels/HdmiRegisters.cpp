#include "panels/HdmiRegisters.h"

#include <span>
#include <string>

#include "app/DesktopFormControls.h"
#include "app/Job.h"
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

// A register reply carries the request's data bytes with the value after them.
DumpEnd CheckReply(const Reply& reply, const HdmiChip& chip, int reg) {
  const auto& d = reply.data;
  if (reply.address != HostAddress || d.size() < 6 || d[0] != 0x05 || d[1] != 0x00 || d[2] != 0x00 ||
      d[3] != chip.readCode)
    return DumpEnd::CommunicationError;
  if (d[4] != reg) return DumpEnd::ReadError;
  return DumpEnd::Complete;
}

DumpResult Dump(Ambrelin& a, const HdmiChip& chip) {
  for (int reg = 0; reg <= 0xFF; ++reg) {
    TxByHex(a, DumpAddress, std::string(chip.readHead) + TwoHexDigits(reg) + "00");
    const double deadline = a.pump.Now() + RegisterReplyTimeout;
    // A closed port brings no reply: its wait ends at once, as a timeout.
    const Awaited awaited = AwaitReply(a, deadline);
    if (awaited.wait != Wait::Reply) return {DumpEnd::Timeout, reg};
    if (DumpEnd end = CheckReply(awaited.reply, chip, reg); end != DumpEnd::Complete) return {end, reg};
    OwnCode(a.code, {CodeWriter::Registers});
    a.code.Buffer[static_cast<size_t>(reg)] = awaited.reply.data[5];
    ShowState(a, Black, "写入: 读取0x", reg);
  }
  return {DumpEnd::Complete, 0xFF};
}

}  // namespace

std::string DumpEndText(const DumpResult& result) {
  std::string_view prefix;
  switch (result.end) {
    case DumpEnd::Complete:
    case DumpEnd::Busy: return {};
    case DumpEnd::Timeout: prefix = "写入:超时错0x"; break;
    case DumpEnd::CommunicationError: prefix = "写入:通信错0x"; break;
    case DumpEnd::ReadError: prefix = "写入:读取错0x"; break;
  }
  return std::string(prefix) + HexText(static_cast<uint32_t>(result.reg));
}

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
  const RunningJob job(a, Job::Dump);
  if (!job) return {DumpEnd::Busy, 0};
  EnableReadButtons(a, false);
  a.link.ReplyWanted = true;
  const DumpResult result = Dump(a, chip);
  a.link.ReplyWanted = false;
  if (result.end != DumpEnd::Complete) {
    a.controls.SetColour(DesktopFormControls::UpdateLabelBurnState, Red);
    a.controls.SetText(DesktopFormControls::UpdateLabelBurnState, DumpEndText(result));
  }
  EnableReadButtons(a, true);
  return result;
}

void Ad9880CommandReadReg_Click(Ambrelin& a) { ReadRegisters(a, Ad9880); }

void Ad9889CommandReadReg_Click(Ambrelin& a) { ReadRegisters(a, Ad9889); }
