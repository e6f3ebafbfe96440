#pragma once
// The HDMI window's register pages: single reads and writes of the three HDMI
// chips' registers, and the job that reads a whole chip into the code buffer.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/Ambrelin.h"
#include "panels/HdmiPanel.h"

namespace HdmiRegisterCommands {
namespace C = HdmiFormControls;

// Register labels and the read each sends, digits as written; the other
// labels send nothing.
inline constexpr HdmiCommand Labels[] = {
    {C::Ad8197Label00, "0500 0010 0000"}, {C::Ad8197Label01, "0500 0010 0100"},
    {C::Ad9880Label00, "0500 0020 0000"}, {C::Ad9880Label15, "0500 0020 1500"},
    {C::Ad9880Label25, "0500 0020 2500"}, {C::Ad9880Label26, "0500 0020 2600"},
    {C::Ad9880Label2f, "0500 0020 2f00"}, {C::Ad9880Label30, "0500 0020 3000"},
    {C::Ad9880Label5B, "0500 0020 5b00"}, {C::Ad9880Label5e, "0500 0020 5e00"},
    {C::Ad9880Label61, "0500 0020 6100"}, {C::Ad9880Label81, "0500 0020 8100"},
    {C::Ad9880Label84, "0500 0020 8400"}, {C::Ad9880Label87, "0500 0020 8700"},
    {C::Ad9880Label91, "0500 0020 9100"}, {C::Ad9889Label00, "0500 0030 0000"},
    {C::Ad9889Label04, "0500 0030 0400"}, {C::Ad9889Label12, "0500 0030 1200"},
    {C::Ad9889Label15, "0500 0030 1500"}, {C::Ad9889Label16, "0500 0030 1600"},
    {C::Ad9889Label3d, "0500 0030 3d00"}, {C::Ad9889Label3e, "0500 0030 3e00"},
    {C::Ad9889Label41, "0500 0030 4100"}, {C::Ad9889Label45, "0500 0030 4500"},
    {C::Ad9889Labelaf, "0500 0030 af00"}, {C::Ad9889Labelb8, "0500 0030 b800"},
    {C::Ad9889Labelc6, "0500 0030 c600"},
};

// AD8197 text boxes: the write head; the box's text follows it as typed.
inline constexpr HdmiCommand Writes[] = {
    {C::Ad8197Text00, "0500 0011 00"},
    {C::Ad8197Text01, "0500 0011 01"},
};

// Transmitter register 0x41 written by the power check box after its click.
inline constexpr HdmiMute Power{C::Ad9889CheckPower, "0500 0031 4110", "0500 0031 4150"};
}  // namespace HdmiRegisterCommands

// A chip the dump reads: the code its replies carry and the head of its reads.
struct HdmiChip {
  uint8_t readCode;
  std::string_view readHead;
};
inline constexpr HdmiChip Ad9880{0x20, "0500 0020 "};
inline constexpr HdmiChip Ad9889{0x30, "0500 0030 "};

// Each reply waited for at most this long.
inline constexpr double RegisterReplyTimeout = 3.0;

// Busy: another job runs, nothing was read.
enum class DumpEnd { Complete, Timeout, CommunicationError, ReadError, Busy };
struct DumpResult {
  DumpEnd end;
  int reg;  // the register the dump stopped at, 0xFF when complete
};

// How the state label shows a dump that did not complete; empty for the others.
std::string DumpEndText(const DumpResult&);

// Label click and text-box double-click; controls without a command send nothing.
void HdmiRegisterLabel_Click(Ambrelin&, Control);
void Ad8197Text_DblClick(Ambrelin&, Control);
void Ad9889CheckPower_Click(Ambrelin&);

// Reads registers 0x00 to 0xFF of the chip at address 3, one request at a
// time, into the code buffer at their index, showing progress and the end in
// UpdateLabelBurnState. ReplyWanted is false again at every end.
DumpResult ReadRegisters(Ambrelin&, const HdmiChip&);
void Ad9880CommandReadReg_Click(Ambrelin&);
void Ad9889CommandReadReg_Click(Ambrelin&);
