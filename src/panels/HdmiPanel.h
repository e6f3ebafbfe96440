#pragma once
// The HDMI window's main page: each control sends one command text to the
// address in HdmiTextAddress and forgets it; nothing waits for a reply.
#include <string_view>

#include "app/Ambrelin.h"
#include "panels/HdmiFormControls.h"

// A control and the command text it sends, digits kept as written.
struct HdmiCommand {
  Control control;
  std::string_view command;
  // An option whose double-click sends its command once more.
  bool onDoubleClick = false;
};

// A check box with a command for each state.
struct HdmiMute {
  Control control;
  std::string_view ticked, notTicked;
};

namespace HdmiCommands {
namespace C = HdmiFormControls;

inline constexpr HdmiCommand Buttons[] = {
    {C::HdmiCommandBurnEdid, "0500 0001 0000"}, {C::HdmiCommandRxHdcp, "0500 0002 0000"},
    {C::HdmiCommandTxHdcp, "0500 0003 0000"},   {C::HdmiCommandReadEdid, "0500 0000 000A"},
    {C::HdmiCommandRxBoot, "4470 a100 0000"},   {C::HdmiCommandRxHalt, "4470 a000 0000"},
    {C::HdmiCommandTxBoot, "4460 a100 0000"},   {C::HdmiCommandTxHalt, "4460 a000 0000"},
    {C::HdmiCommandTxPlugOn, "4460 b100 0000"}, {C::HdmiCommandTxPlugOff, "4460 b000 0000"},
};

// HdmiOptionColorSpaceXvycc has no command: it sends nothing.
inline constexpr HdmiCommand Options[] = {
    {C::HdmiOptionInputNone, "0201 0006 0000", true},
    {C::HdmiOptionInput1, "0201 0006 0001", true},
    {C::HdmiOptionInput2, "0201 0006 0002", true},
    {C::HdmiOptionInput3, "0201 0006 0003", true},
    {C::HdmiOptionInput4, "0201 0006 0004", true},
    {C::HdmiOptionOuputOn, "0501 0010 0001", true},
    {C::HdmiOptionOuputOff, "0501 0010 0000"},
    {C::HdmiOptionHdcpOff, "0501 0001 0000"},
    {C::HdmiOptionHdcpOn, "0501 0001 0001"},
    {C::HdmiOptionRepeaterOn, "0501 0001 0002"},
    {C::HdmiOptionDeviceAuto, "0503 0010 0000"},
    {C::HdmiOptionDeviceDvi, "0503 0010 0001"},
    {C::HdmiOptionDeviceHdmi, "0503 0010 0002"},
    {C::HdmiOptionColorSpaceAuto, "0503 0011 0000"},
    {C::HdmiOptionColorSpaceRgb, "0503 0011 0001"},
    {C::HdmiOptionColorSpaceYuv422, "0503 0011 0002"},
    {C::HdmiOptionColorSpaceYuv444, "0503 0011 0003"},
    // Colour depth in bits per pixel, in hexadecimal.
    {C::HdmiOptionColorDepthAuto, "0503 0012 0000"},
    {C::HdmiOptionColorDepth24, "0503 0012 0018"},
    {C::HdmiOptionColorDepth30, "0503 0012 001e"},
    {C::HdmiOptionColorDepth36, "0503 0012 0024"},
    {C::HdmiOptionColorDepth48, "0503 0012 0030"},
};

// Mute check boxes: the command for the state after the click.
inline constexpr HdmiMute Mutes[] = {
    {C::HdmiCheckMuteAudio, "0502 0001 0001", "0502 0001 0000"},
    {C::HdmiCheckMuteVideo, "0503 0001 0001", "0503 0001 0000"},
};
}  // namespace HdmiCommands

// Sends a command text to the address in HdmiTextAddress, as typed there.
void HdmiSend(Ambrelin&, std::string_view command);
// Click on a button or an option button; one without a command sends nothing.
void HdmiControl_Click(Ambrelin&, Control);
// Double-click on an option button: only some send their command again.
void HdmiOption_DblClick(Ambrelin&, Control);
// Click on a mute check box, after its tick has changed.
void HdmiCheckMute_Click(Ambrelin&, Control);
// Double-click on HdmiTextHdmiStep: the step command with the box's text as typed.
void HdmiTextHdmiStep_DblClick(Ambrelin&);
