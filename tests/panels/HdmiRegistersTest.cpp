// The job that reads a whole HDMI chip into the code buffer, against the
// simulated unit in virtual time.
#include "TestApp.h"
#include "images/CodeBuffer.h"
#include "link/TxRx.h"
#include "panels/HdmiRegisters.h"

namespace {

namespace Hdmi = HdmiFormControls;
constexpr Control BurnState = DesktopFormControls::UpdateLabelBurnState;

using RegisterDump = AppTest;

TEST_F(RegisterDump, FullDumpOfEachChipMatchesItsBank) {
  const std::pair<const HdmiChip*, RegisterBank*> chips[] = {{&Ad9880, &t.link.unit.hdmi.ad9880},
                                                             {&Ad9889, &t.link.unit.hdmi.ad9889}};
  c.SetText(Hdmi::HdmiTextAddress, "7");  // not where the dump goes
  std::vector<std::string> shown;
  bool enabledMeanwhile = true;
  c.textChanged = [&](Control ctl, std::string_view text) {
    if (ctl.name == BurnState.name) shown.emplace_back(text);
    enabledMeanwhile = enabledMeanwhile && (c.Enabled(Hdmi::Ad9880CommandReadReg) || c.Enabled(Hdmi::Ad9889CommandReadReg));
  };
  for (auto [chip, bank] : chips) {
    writes.clear();
    shown.clear();
    const double start = Now();
    const DumpResult result = ReadRegisters(a, *chip);
    EXPECT_EQ(std::make_tuple(result.end, result.reg, c.At(BurnState).colour, a.link.ReplyWanted),
              std::make_tuple(DumpEnd::Complete, 0xFF, 0u, false));
    EXPECT_EQ(Bytes(a.code.Buffer.begin(), a.code.Buffer.begin() + 256), Bytes(bank->begin(), bank->end()));
    ASSERT_EQ(writes.size(), 256u);
    EXPECT_EQ(DataText(writes[0x0F]), std::string(chip->readHead) + "0F00");
    EXPECT_EQ(DataText(writes[0xF0]), std::string(chip->readHead) + "F000");
    EXPECT_TRUE(std::all_of(writes.begin(), writes.end(), [](const Bytes& f) { return f[2] == 0x03; }));
    ASSERT_EQ(shown.size(), 256u);
    EXPECT_EQ(std::make_tuple(shown[0], shown[10], shown[255]),
              std::make_tuple("写入: 读取0x0", "写入: 读取0xA", "写入: 读取0xFF"));
    EXPECT_NEAR(Now() - start, 512 * 14 * 10 / 38400.0, 1e-6) << "one request at a time, paced by the wire";
  }
  EXPECT_FALSE(enabledMeanwhile) << "the buttons rest while a dump runs";
  EXPECT_TRUE(c.Enabled(Hdmi::Ad9880CommandReadReg) && c.Enabled(Hdmi::Ad9889CommandReadReg));
}

TEST_F(RegisterDump, EachErrorEndKeepsWhatWasReadAndLeavesTheRest) {
  const std::tuple<void (*)(HdmiChips&), DumpEnd, const char*> ends[] = {
      {[](HdmiChips& h) { h.silentAt = 0x40; }, DumpEnd::Timeout, "写入:超时错0x40"},
      {[](HdmiChips& h) { h.wrongChipAt = 0x40; }, DumpEnd::CommunicationError, "写入:通信错0x40"},
      {[](HdmiChips& h) { h.wrongRegisterAt = 0x40; }, DumpEnd::ReadError, "写入:读取错0x40"},
  };
  for (auto [fault, end, caption] : ends) {
    t.link.unit.hdmi = {};
    fault(t.link.unit.hdmi);
    std::fill(a.code.Buffer.begin(), a.code.Buffer.end(), 0xEE);
    writes.clear();
    const double start = Now();
    const DumpResult result = ReadRegisters(a, Ad9889);
    EXPECT_EQ(std::make_tuple(result.end, result.reg, c.At(BurnState).colour, a.link.ReplyWanted),
              std::make_tuple(end, 0x40, 255u, false)) << caption;
    EXPECT_EQ(c.Text(BurnState) + DumpEndText(result), std::string(caption) + caption);
    EXPECT_EQ(writes.size(), 0x41u) << "nothing is requested after the failing register";
    const RegisterBank& bank = t.link.unit.hdmi.ad9889;
    EXPECT_TRUE(std::equal(bank.begin(), bank.begin() + 0x40, a.code.Buffer.begin()));
    EXPECT_TRUE(std::all_of(a.code.Buffer.begin() + 0x40, a.code.Buffer.end(), [](uint8_t b) { return b == 0xEE; }));
    const double waited = end == DumpEnd::Timeout ? RegisterReplyTimeout : 2 * 14 * 10 / 38400.0;
    EXPECT_NEAR(Now() - start, 0x40 * 28 * 10 / 38400.0 + waited, 0.01);
    Idle(5);
    EXPECT_FALSE(a.link.RxFrameReady) << "a late or stray reply is held for nobody";
  }
}

TEST_F(RegisterDump, AClosedPortAndAShortReplyEndAtOnce) {
  port.Close();
  EXPECT_EQ(ReadRegisters(a, Ad9880).end, DumpEnd::Timeout);
  EXPECT_EQ(c.Text(BurnState), "写入:超时错0x0");
  EXPECT_EQ(Now(), 0.0) << "no wait for a reply that cannot come";

  // Register 0 is answered; register 1 with four data bytes whose sum and end
  // byte fall where a full reply has its register number and value.
  ASSERT_EQ(port.Open("/dev/ttyS0", "38400,N,8,1").fault, PortFault::None);
  t.link.unit.hdmi.silentAt = 1;
  int replies = 0;
  port.Received = [&, connected = port.Received](std::span<const uint8_t> b) {
    connected(b);
    if (++replies == 1)
      At(Now() + 0.05, [&] { ReceiveEvent(a.link, BuildFrame({0x01, 0x00, 0x82, {0x05, 0x00, 0x00, 0x20}})); });
  };
  const DumpResult result = ReadRegisters(a, Ad9880);
  EXPECT_EQ(std::make_pair(result.end, result.reg), std::make_pair(DumpEnd::CommunicationError, 1));
}

}  // namespace
