#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestApp.h"
#include "app/DesktopFormControls.h"
#include "panels/DebugPanel.h"
#include "panels/DesktopPanel.h"

namespace {

namespace Main = DesktopFormControls;
using Bytes = std::vector<uint8_t>;

struct DebugPage : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  MapControls& c = t.controls;
  std::vector<Bytes>& writes = t.link.port.writes;

  void SetUp() override { ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1")); }
  // A box of the page by a name built here.
  void Put(const std::string& name, const std::string& text) { c.SetText({"DesktopForm", name, ""}, text); }
  // Clicks the button by its name; false when the page has no such button.
  bool Click(std::string_view button) {
    for (const DebugColumn& column : DebugColumns)
      for (int row = 0; row < 6; ++row)
        if (column.buttons[static_cast<size_t>(row)].name == button) {
          DebugButton_Click(a, column, row);
          return true;
        }
    return false;
  }
};

TEST_F(DebugPage, EachButtonSendsItsRowWithItsColumnsAddressAndItsFramesType) {
  c.SetText(Main::DebugTextAddressA, "1A");
  c.SetText(Main::DebugTextAddressB, "2b");
  const std::string columns = "LRCD";
  for (int k = 0; k < 4; ++k) {
    Put("DebugTextAddress" + std::to_string(k + 1), std::to_string(11 + k));
    for (int row = 1; row <= 6; ++row)
      Put(std::string("DebugText") + columns[k] + std::to_string(row),
          "C" + std::to_string(k) + "0" + std::to_string(row) + " 00EE");
  }
  for (int k = 0; k < 4; ++k)
    for (int row = 1; row <= 6; ++row) {
      const std::string button = std::string("DebugButton") + columns[k] + std::to_string(row);
      const size_t before = writes.size();
      ASSERT_TRUE(Click(button)) << button;
      ASSERT_EQ(writes.size(), before + 1) << button;
      const Bytes& f = writes.back();
      EXPECT_EQ(f[1], k < 2 ? 0x1A : 0x2B) << button;
      EXPECT_EQ(f[2], 0x11 + k) << button;
      EXPECT_EQ(Bytes(f.begin() + 5, f.end() - 2), (Bytes{4, uint8_t(0xC0 + k), uint8_t(row), 0x00, 0xEE})) << button;
    }
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DebugPage, BothColumnsOfAFrameShareItsTypeByte) {
  c.SetText(Main::DebugTextAddress1, "1");
  c.SetText(Main::DebugTextAddress2, "2");
  c.SetText(Main::DebugTextAddress3, "3");
  c.SetText(Main::DebugTextL1, "00");
  c.SetText(Main::DebugTextR6, "00");
  c.SetText(Main::DebugTextC1, "00");
  c.SetText(Main::DebugTextAddressA, "5");
  c.SetText(Main::DebugTextAddressB, "6");
  for (const char* button : {"DebugButtonL1", "DebugButtonR6", "DebugButtonC1"}) ASSERT_TRUE(Click(button));
  ASSERT_EQ(writes.size(), 3u);
  EXPECT_EQ(writes[0][1], 0x05);
  EXPECT_EQ(writes[1][1], 0x05);
  EXPECT_EQ(writes[2][1], 0x06);
}

TEST_F(DebugPage, TextsTxByHex2RejectsSendNothing) {
  // A first run: every box empty.
  for (const DebugColumn& column : DebugColumns) {
    c.SetText(column.type, "");
    c.SetText(column.address, "");
  }
  c.SetText(Main::DebugTextD2, "0201");
  ASSERT_TRUE(Click("DebugButtonD2"));
  c.SetText(Main::DebugTextAddress4, "4");
  ASSERT_TRUE(Click("DebugButtonD1"));
  EXPECT_TRUE(writes.empty());
  EXPECT_EQ(t.dialogs.messages, (std::vector<std::string>{"TxByHex2, 出错 !", "TxByHex2, 出错 !"}));
  EXPECT_EQ(a.link.TxSequence, 0);

  // An empty type box reads as type 0.
  ASSERT_TRUE(Click("DebugButtonD2"));
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0][1], 0x00);
  EXPECT_EQ(writes[0][2], 0x04);
  EXPECT_EQ(writes[0][4], 1) << "the rejected clicks used no sequence number";
}

TEST_F(DebugPage, TypeZeroSendsWhatTheAnalogTwoChoiceSends) {
  c.SetText(Main::DebugTextAddressA, "0");
  c.SetText(Main::DebugTextAddress2, "1");
  c.SetText(Main::DebugTextR4, "0201 0001 0002");
  ASSERT_TRUE(Click("DebugButtonR4"));
  const InputList& analog = InputLists[0];
  ASSERT_EQ(analog.list.name, Main::ControlComboInputAnalog.name);
  c.SetEntries(analog.list, InputEntries(analog));
  c.SetIndex(analog.list, 1);
  a.link.TxSequence = 0;
  ControlComboInput_Click(a, analog);
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], writes[1]);
}

}  // namespace
