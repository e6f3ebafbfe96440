#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "FrameText.h"
#include "TestApp.h"
#include "panels/HdmiFormControls.h"
#include "panels/HdmiPanel.h"

namespace {

namespace C = HdmiFormControls;
using Bytes = std::vector<uint8_t>;

struct HdmiPanel : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  MapControls& c = t.controls;
  std::vector<Bytes>& writes = t.link.port.writes;
  void SetUp() override { ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1")); }
  // Data bytes of the last frame, in groups of two bytes as the commands are written.
  std::string Sent() { return writes.empty() ? "nothing" : DataText(writes.back()); }
  uint8_t Address() { return writes.empty() ? 0xFF : writes.back()[2]; }
};

TEST_F(HdmiPanel, ButtonsSendTheirCommandsToAddressThree) {
  const std::pair<Control, const char*> buttons[] = {
      {C::HdmiCommandBurnEdid, "0500 0001 0000"}, {C::HdmiCommandRxHdcp, "0500 0002 0000"},
      {C::HdmiCommandTxHdcp, "0500 0003 0000"},   {C::HdmiCommandReadEdid, "0500 0000 000A"},
      {C::HdmiCommandRxBoot, "4470 a100 0000"},   {C::HdmiCommandRxHalt, "4470 a000 0000"},
      {C::HdmiCommandTxBoot, "4460 a100 0000"},   {C::HdmiCommandTxHalt, "4460 a000 0000"},
      {C::HdmiCommandTxPlugOn, "4460 b100 0000"}, {C::HdmiCommandTxPlugOff, "4460 b000 0000"},
  };
  for (auto [button, command] : buttons) {
    const size_t before = writes.size();
    HdmiControl_Click(a, button);
    ASSERT_EQ(writes.size(), before + 1) << button.name;
    EXPECT_EQ(Sent(), Upper(command)) << button.name;
    EXPECT_EQ(Address(), 0x03) << button.name;
  }
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(HdmiPanel, OptionsSendOnClickAndOnlyInputAndOutputOnAgainOnDoubleClick) {
  struct Expected {
    Control option;
    const char* command;
    bool doubleClick;
  };
  const Expected options[] = {
      {C::HdmiOptionInputNone, "0201 0006 0000", true},
      {C::HdmiOptionInput1, "0201 0006 0001", true},
      {C::HdmiOptionInput2, "0201 0006 0002", true},
      {C::HdmiOptionInput3, "0201 0006 0003", true},
      {C::HdmiOptionInput4, "0201 0006 0004", true},
      {C::HdmiOptionOuputOn, "0501 0010 0001", true},
      {C::HdmiOptionOuputOff, "0501 0010 0000", false},
      {C::HdmiOptionHdcpOff, "0501 0001 0000", false},
      {C::HdmiOptionHdcpOn, "0501 0001 0001", false},
      {C::HdmiOptionRepeaterOn, "0501 0001 0002", false},
      {C::HdmiOptionDeviceAuto, "0503 0010 0000", false},
      {C::HdmiOptionDeviceDvi, "0503 0010 0001", false},
      {C::HdmiOptionDeviceHdmi, "0503 0010 0002", false},
      {C::HdmiOptionColorSpaceAuto, "0503 0011 0000", false},
      {C::HdmiOptionColorSpaceRgb, "0503 0011 0001", false},
      {C::HdmiOptionColorSpaceYuv422, "0503 0011 0002", false},
      {C::HdmiOptionColorSpaceYuv444, "0503 0011 0003", false},
      {C::HdmiOptionColorDepthAuto, "0503 0012 0000", false},
      {C::HdmiOptionColorDepth24, "0503 0012 0018", false},
      {C::HdmiOptionColorDepth30, "0503 0012 001e", false},
      {C::HdmiOptionColorDepth36, "0503 0012 0024", false},
      {C::HdmiOptionColorDepth48, "0503 0012 0030", false},
  };
  for (const Expected& e : options) {
    const size_t before = writes.size();
    HdmiControl_Click(a, e.option);
    ASSERT_EQ(writes.size(), before + 1) << e.option.name;
    EXPECT_EQ(Sent(), Upper(e.command)) << e.option.name;

    writes.clear();
    HdmiOption_DblClick(a, e.option);
    ASSERT_EQ(writes.size(), e.doubleClick ? 1u : 0u) << e.option.name << " on double-click";
    if (e.doubleClick) {
      EXPECT_EQ(Sent(), Upper(e.command)) << e.option.name;
    }
  }

  writes.clear();
  HdmiControl_Click(a, C::HdmiOptionColorSpaceXvycc);
  HdmiOption_DblClick(a, C::HdmiOptionColorSpaceXvycc);
  EXPECT_TRUE(writes.empty()) << "xvYCC has no command";
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(HdmiPanel, ColourDepthGoesOutAsTheBitDepthInHex) {
  HdmiControl_Click(a, C::HdmiOptionColorDepth30);
  EXPECT_EQ(writes.back(), (Bytes{0x55, 0x00, 0x03, 0x58, 0x01, 0x06, 0x05, 0x03, 0x00, 0x12, 0x00, 0x1E, 0x97, 0xAA}));
}

TEST_F(HdmiPanel, MuteFollowsTheTickAfterTheClick) {
  c.SetTicked(C::HdmiCheckMuteAudio, true);
  HdmiCheckMute_Click(a, C::HdmiCheckMuteAudio);
  EXPECT_EQ(Sent(), "0502 0001 0001");
  c.SetTicked(C::HdmiCheckMuteVideo, true);
  HdmiCheckMute_Click(a, C::HdmiCheckMuteVideo);
  EXPECT_EQ(Sent(), "0503 0001 0001");
  c.SetTicked(C::HdmiCheckMuteAudio, false);
  HdmiCheckMute_Click(a, C::HdmiCheckMuteAudio);
  EXPECT_EQ(Sent(), "0502 0001 0000");
  c.SetTicked(C::HdmiCheckMuteVideo, false);
  HdmiCheckMute_Click(a, C::HdmiCheckMuteVideo);
  EXPECT_EQ(Sent(), "0503 0001 0000");
  EXPECT_EQ(writes.size(), 4u);
}

TEST_F(HdmiPanel, StepBoxSendsItsTextAsTyped) {
  ASSERT_EQ(c.Text(C::HdmiTextHdmiStep), "----");
  HdmiTextHdmiStep_DblClick(a);
  EXPECT_TRUE(writes.empty()) << "the design text is no step";
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"TxByHex, 出错 !"});
  EXPECT_EQ(a.link.TxSequence, 0);

  c.SetText(C::HdmiTextHdmiStep, "0A");
  HdmiTextHdmiStep_DblClick(a);
  const Bytes step = writes.back();
  EXPECT_EQ(step[4], 1) << "the rejected step took no sequence number";
  HdmiControl_Click(a, C::HdmiCommandReadEdid);
  EXPECT_TRUE(std::equal(step.begin() + 5, step.end() - 2, writes.back().begin() + 5)) << "same as Read TxEdid";

  c.SetText(C::HdmiTextHdmiStep, "7f");
  HdmiTextHdmiStep_DblClick(a);
  EXPECT_EQ(Sent(), "0500 0000 007F");
  // Not padded: a lone digit joins the zero before it, a longer text adds bytes.
  c.SetText(C::HdmiTextHdmiStep, "5");
  HdmiTextHdmiStep_DblClick(a);
  EXPECT_EQ(Sent(), "0500 0000 0005");
  c.SetText(C::HdmiTextHdmiStep, "0102");
  HdmiTextHdmiStep_DblClick(a);
  EXPECT_EQ(Sent(), "0500 0000 0001 02");
  EXPECT_EQ(t.dialogs.messages.size(), 1u);
}

TEST_F(HdmiPanel, EveryKindOfControlUsesTheAddressBoxAsTyped) {
  c.SetText(C::HdmiTextAddress, "1A");
  c.SetText(C::HdmiTextHdmiStep, "01");
  c.SetTicked(C::HdmiCheckMuteVideo, true);
  HdmiControl_Click(a, C::HdmiCommandTxHalt);
  HdmiControl_Click(a, C::HdmiOptionHdcpOn);
  HdmiOption_DblClick(a, C::HdmiOptionInput3);
  HdmiCheckMute_Click(a, C::HdmiCheckMuteVideo);
  HdmiTextHdmiStep_DblClick(a);
  ASSERT_EQ(writes.size(), 5u);
  for (const Bytes& frame : writes) EXPECT_EQ(frame[2], 0x1A);

  c.SetText(C::HdmiTextAddress, "G");
  HdmiControl_Click(a, C::HdmiCommandTxHalt);
  EXPECT_EQ(writes.size(), 5u);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"TxByHex, 出错 !"});
}

}  // namespace
