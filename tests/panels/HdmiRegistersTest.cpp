// The register pages' commands and the whole-chip dump against the simulated
// unit, in virtual time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "images/Files.h"
#include "FrameText.h"
#include "TestApp.h"
#include "app/DesktopFormControls.h"
#include "images/AdiSetting.h"
#include "link/TxRx.h"
#include "panels/HdmiRegisters.h"
#include "sim/SimFrame.h"

namespace {

namespace C = HdmiFormControls;
constexpr Control BurnState = DesktopFormControls::UpdateLabelBurnState;
using Bytes = std::vector<uint8_t>;

struct HdmiRegisters : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  MapControls& c = t.controls;
  std::vector<Bytes>& writes = t.link.port.writes;
  void SetUp() override {
    ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1"));
    c.SetText(C::HdmiTextAddress, "3");
  }
  std::string Sent() { return writes.empty() ? "nothing" : DataText(writes.back()); }
  Bytes Dumped() { return Bytes(a.code.Buffer.begin(), a.code.Buffer.begin() + 256); }
};


TEST_F(HdmiRegisters, LabelsReadTheirRegisterAtTheWindowsAddress) {
  c.SetText(C::HdmiTextAddress, "5");
  for (const HdmiCommand& label : HdmiRegisterCommands::Labels) {
    const size_t before = writes.size();
    HdmiRegisterLabel_Click(a, label.control);
    ASSERT_EQ(writes.size(), before + 1) << label.control.name;
    EXPECT_EQ(Sent(), Upper(label.command)) << label.control.name;
    EXPECT_EQ(writes.back()[2], 0x05);
  }
  const size_t count = writes.size();
  for (Control silent : {C::Ad8197Label02, C::Ad9880Label57, C::Ad9880Label2fBit6, C::Ad8197Text10})
    HdmiRegisterLabel_Click(a, silent);
  Ad8197Text_DblClick(a, C::Ad8197Text10);
  EXPECT_EQ(writes.size(), count);
  // Every register label of the pages that is not a bit field reads a register of its own chip.
  for (const auto& page : {std::span<const Control>(C::DecoderPage), std::span<const Control>(C::TransmitPage)})
    for (Control ctl : page)
      if (ctl.name.find("Label") != std::string_view::npos && ctl.name.find("Bit") == std::string_view::npos &&
          ctl.name != "Ad9880Label57") {
        const auto* it = std::find_if(std::begin(HdmiRegisterCommands::Labels), std::end(HdmiRegisterCommands::Labels),
                                      [&](const HdmiCommand& e) { return e.control.name == ctl.name; });
        ASSERT_NE(it, std::end(HdmiRegisterCommands::Labels)) << ctl.name;
        // "Ad9880Label5B" reads register 0x5b: the name ends in the register number.
        EXPECT_EQ(Upper(it->command.substr(10, 2)), Upper(ctl.name.substr(11, 2))) << ctl.name;
      }
}

TEST_F(HdmiRegisters, SwitchWritesTakeTheBoxAsTypedAndPowerFollowsTheTick) {
  Ad8197Text_DblClick(a, C::Ad8197Text00);
  EXPECT_TRUE(writes.empty());
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"TxByHex, 出错 !"});
  c.SetText(C::Ad8197Text00, "3c");
  Ad8197Text_DblClick(a, C::Ad8197Text00);
  EXPECT_EQ(Sent(), "0500 0011 003C");
  c.SetText(C::Ad8197Text01, "07");
  Ad8197Text_DblClick(a, C::Ad8197Text01);
  EXPECT_EQ(Sent(), "0500 0011 0107");

  c.SetTicked(C::Ad9889CheckPower, true);
  Ad9889CheckPower_Click(a);
  EXPECT_EQ(Sent(), "0500 0031 4110");
  c.SetTicked(C::Ad9889CheckPower, false);
  Ad9889CheckPower_Click(a);
  EXPECT_EQ(Sent(), "0500 0031 4150");
  t.link.pump.WaitUntil(t.link.pump.Now() + 1, [] { return false; });
  EXPECT_EQ(t.link.unit.hdmi.ad8197[0x00], 0x3C);
  EXPECT_EQ(t.link.unit.hdmi.ad9889[0x41], 0x50);
}

TEST_F(HdmiRegisters, FullDumpOfEachChipMatchesItsBank) {
  const std::pair<const HdmiChip*, RegisterBank*> chips[] = {{&Ad9880, &t.link.unit.hdmi.ad9880},
                                                             {&Ad9889, &t.link.unit.hdmi.ad9889}};
  c.SetText(C::HdmiTextAddress, "7");  // not where the dump goes
  for (auto [chip, bank] : chips) {
    writes.clear();
    const double start = t.link.pump.Now();
    const DumpResult result = ReadRegisters(a, *chip);
    EXPECT_EQ(result.end, DumpEnd::Complete);
    EXPECT_EQ(Dumped(), Bytes(bank->begin(), bank->end()));
    EXPECT_EQ(c.Text(BurnState), "写入: 读取0xFF");
    EXPECT_EQ(c.At(BurnState).colour, 0u);
    EXPECT_FALSE(a.link.ReplyWanted);
    ASSERT_EQ(writes.size(), 256u);
    const std::string head = chip->readCode == 0x20 ? "0500 0020 " : "0500 0030 ";
    EXPECT_EQ(DataText(writes[0x0F]), head + "0F00");
    EXPECT_EQ(DataText(writes[0xF0]), head + "F000");
    EXPECT_TRUE(std::all_of(writes.begin(), writes.end(), [](const Bytes& f) { return f[2] == 0x03; }));
    // 512 frames of 14 bytes on a 38,400-baud line, one after the other.
    EXPECT_GE(t.link.pump.Now() - start, 512 * 14 * 10 / 38400.0 - 1e-9);
  }
  EXPECT_TRUE(c.Enabled(C::Ad9880CommandReadReg) && c.Enabled(C::Ad9889CommandReadReg));
}

TEST_F(HdmiRegisters, ProgressShowsEachRegisterAndTheButtonsRestMeanwhile) {
  std::vector<std::string> shown;
  c.textChanged = [&](Control ctl, std::string_view text) {
    if (ctl.name == BurnState.name) shown.emplace_back(text);
  };
  bool enabledMeanwhile = true;
  At(t.link.scheduler, 0.5, [&] {
    enabledMeanwhile = c.Enabled(C::Ad9880CommandReadReg) || c.Enabled(C::Ad9889CommandReadReg);
  });
  Ad9880CommandReadReg_Click(a);
  ASSERT_EQ(shown.size(), 256u);
  EXPECT_EQ(shown[10], "写入: 读取0xA");
  EXPECT_EQ(shown[0], "写入: 读取0x0");
  EXPECT_FALSE(enabledMeanwhile);
  EXPECT_TRUE(c.Enabled(C::Ad9880CommandReadReg));
}

struct ErrorEnd {
  const char* name;
  void (*fault)(HdmiChips&, uint8_t);
  DumpEnd end;
  const char* caption;
};

const ErrorEnd ErrorEnds[] = {
    {"silence", [](HdmiChips& h, uint8_t r) { h.silentAt = r; }, DumpEnd::Timeout, "写入:超时错0x"},
    {"wrong chip", [](HdmiChips& h, uint8_t r) { h.wrongChipAt = r; }, DumpEnd::CommunicationError, "写入:通信错0x"},
    {"wrong register", [](HdmiChips& h, uint8_t r) { h.wrongRegisterAt = r; }, DumpEnd::ReadError, "写入:读取错0x"},
};

TEST_F(HdmiRegisters, EachErrorEndKeepsWhatWasReadAndLeavesTheRest) {
  for (const ErrorEnd& e : ErrorEnds) {
    for (uint8_t at : {uint8_t(0x00), uint8_t(0x40), uint8_t(0xFF)}) {
      SCOPED_TRACE(std::string(e.name) + " at " + std::to_string(at));
      t.link.unit.hdmi = {};
      e.fault(t.link.unit.hdmi, at);
      std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0xEE);
      writes.clear();
      const DumpResult result = ReadRegisters(a, Ad9889);
      EXPECT_EQ(result.end, e.end);
      EXPECT_EQ(result.reg, at);
      char hex[4];
      std::snprintf(hex, sizeof hex, "%X", at);
      EXPECT_EQ(c.Text(BurnState), e.caption + std::string(hex));
      EXPECT_EQ(c.At(BurnState).colour, 255u);
      EXPECT_FALSE(a.link.ReplyWanted);
      EXPECT_EQ(writes.size(), at + 1u) << "nothing is requested after the failing register";
      const RegisterBank& bank = t.link.unit.hdmi.ad9889;
      EXPECT_TRUE(std::equal(bank.begin(), bank.begin() + at, a.code.Buffer.begin()));
      EXPECT_TRUE(std::all_of(a.code.Buffer.begin() + at, a.code.Buffer.end(), [](uint8_t b) { return b == 0xEE; }));
      EXPECT_TRUE(c.Enabled(C::Ad9889CommandReadReg));
      // A late or stray reply after the end is not held for anybody.
      t.link.pump.WaitUntil(t.link.pump.Now() + 5, [] { return false; });
      EXPECT_FALSE(a.link.RxFrameReady);
    }
  }
}

TEST_F(HdmiRegisters, TimeoutWaitsThreeSecondsAndAClosedPortEndsAtOnce) {
  t.link.unit.hdmi.silentAt = 0;
  double start = t.link.pump.Now();
  ReadRegisters(a, Ad9880);
  EXPECT_NEAR(t.link.pump.Now() - start, RegisterReplyTimeout, 0.01);

  t.link.port.Close();
  t.link.unit.hdmi = {};
  start = t.link.pump.Now();
  EXPECT_EQ(ReadRegisters(a, Ad9880).end, DumpEnd::Timeout);
  EXPECT_EQ(c.Text(BurnState), "写入:超时错0x0");
  EXPECT_EQ(t.link.pump.Now(), start) << "no wait for a reply that cannot come";
}

TEST_F(HdmiRegisters, ShortReplyIsACommunicationErrorNotOlderBytes) {
  // Register 0 is answered properly; register 1 with a reply of four data
  // bytes whose checksum and end byte fall where a full reply has its
  // register number and value.
  t.link.unit.hdmi.silentAt = 1;
  int replies = 0;
  t.link.port.Received = [&, connected = t.link.port.Received](std::span<const uint8_t> b) {
    connected(b);
    if (++replies == 1)
      At(t.link.scheduler, t.link.scheduler.now + 0.05, [&] {
        const Bytes shortReply = BuildFrame({0x01, 0x00, 0x82, {0x05, 0x00, 0x00, 0x20}});
        ReceiveEvent(a.link, shortReply);
      });
  };
  const DumpResult result = ReadRegisters(a, Ad9880);
  EXPECT_EQ(result.end, DumpEnd::CommunicationError);
  EXPECT_EQ(result.reg, 1);
  EXPECT_EQ(c.Text(BurnState), "写入:通信错0x1");
}

TEST_F(HdmiRegisters, ValFileAppliedToTheUnitShowsUpInTheNextDump) {
  LoadCode_ValFile(a, WriteFile("tx-regs.val", "\"AD9889\"\n\"41\",\"16\"\n\"AF\",\"134\"\n"));
  ASSERT_TRUE(t.dialogs.messages.empty());
  // The last write's answer is still on the line; a dump started under it
  // would take it for its first reply.
  t.link.pump.WaitUntil(t.link.pump.Now() + 0.1, [] { return false; });
  std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0xEE);
  ASSERT_EQ(ReadRegisters(a, Ad9889).end, DumpEnd::Complete);
  EXPECT_EQ(a.code.Buffer[0x41], 16);
  EXPECT_EQ(a.code.Buffer[0xAF], 134);
  EXPECT_EQ(a.code.Buffer[0x42], PowerOnBank(0x30)[0x42]);
}

}  // namespace
