#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestApp.h"
#include "app/DesktopFormControls.h"
#include "panels/DesktopPanel.h"

namespace {

namespace Main = DesktopFormControls;
using Bytes = std::vector<uint8_t>;

const DesktopSlider& Slider(Control c) {
  for (const DesktopSlider& s : DesktopSliders)
    if (s.slider.name == c.name) return s;
  throw std::invalid_argument(std::string(c.name));
}

const InputList& List(Control c) {
  for (const InputList& l : InputLists)
    if (l.list.name == c.name) return l;
  throw std::invalid_argument(std::string(c.name));
}

TEST(DesktopPanelMapping, WorkedExamples) {
  struct Example {
    Control slider;
    int position;
    const char *value, *command;
  };
  const Example examples[] = {
      {Main::DesktopSliderLevelMain, 32, "-32", "0102 0001 003A"},
      {Main::DesktopSliderLevelMain, 0, "0", "0102 0001 005A"},
      {Main::DesktopSliderLevelMain, 90, "-90", "0102 0001 0000"},
      {Main::DesktopSliderLevelFl, 3, "-3", "0102 0011 00FD"},
      {Main::DesktopSliderLevelFl, -10, "10", "0102 0011 000A"},
      {Main::DesktopSliderBass, 10, "-10", "0103 0001 00F6"},
      {Main::DesktopSliderDelayFc, 0, "5mS", "0104 0002 0005"},
      {Main::DesktopSliderDelayS, 10, "5mS", "0104 0003 0005"},
      {Main::DesktopSliderDelayS, 0, "15mS", "0104 0003 000F"},
  };
  for (const Example& e : examples) {
    const PanelCommand c = SliderCommand(Slider(e.slider), e.position);
    EXPECT_EQ(c.value, e.value) << e.slider.name << " at " << e.position;
    EXPECT_EQ(c.command, e.command) << e.slider.name << " at " << e.position;
  }
  EXPECT_EQ(InputCommand(List(Main::ControlComboInputAnalog), 2), "0201 0001 0003");
  EXPECT_EQ(InputCommand(List(Main::ControlComboInputHdmi), 7), "0201 0006 0008");
  EXPECT_EQ(InputCommand(List(Main::ControlComboInputDigital), 0), "0201 0002 0001");
}

TEST(DesktopPanelMapping, EachSliderAtItsTopSendsItsOwnSetting) {
  const std::pair<Control, const char*> top[] = {
      {Main::DesktopSliderLevelMain, "0102 0001 005A"}, {Main::DesktopSliderLevelFl, "0102 0011 000A"},
      {Main::DesktopSliderLevelFr, "0102 0012 000A"},   {Main::DesktopSliderLevelSw, "0102 0013 000A"},
      {Main::DesktopSliderLevelFc, "0102 0014 000A"},   {Main::DesktopSliderLevelSl, "0102 0015 000A"},
      {Main::DesktopSliderLevelSr, "0102 0016 000A"},   {Main::DesktopSliderLevelBl, "0102 0017 000A"},
      {Main::DesktopSliderLevelBr, "0102 0018 000A"},   {Main::DesktopSliderBass, "0103 0001 000A"},
      {Main::DesktopSliderTreble, "0103 0003 000A"},    {Main::DesktopSliderDelayFc, "0104 0002 0005"},
      {Main::DesktopSliderDelayS, "0104 0003 000F"},
  };
  ASSERT_EQ(std::size(top), DesktopSliders.size());
  for (auto [control, command] : top) {
    const DesktopSlider& s = Slider(control);
    EXPECT_EQ(SliderCommand(s, s.minimum).command, command) << control.name;
  }
}

TEST(DesktopPanelMapping, LevelsGoOutAsTwosComplementBytesWithoutAMinusSign) {
  // Positions -10 to 10, top to bottom.
  const char* fields[] = {"000A", "0009", "0008", "0007", "0006", "0005", "0004", "0003", "0002", "0001", "0000",
                          "00FF", "00FE", "00FD", "00FC", "00FB", "00FA", "00F9", "00F8", "00F7", "00F6"};
  const char* values[] = {"10", "9",  "8",  "7",  "6",  "5",  "4",  "3",  "2",  "1",  "0",
                          "-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9", "-10"};
  for (const DesktopSlider& s : DesktopSliders) {
    if (s.scale != SliderScale::Level) continue;
    ASSERT_EQ(s.minimum, -10);
    ASSERT_EQ(s.maximum, 10);
    for (int p = -10; p <= 10; ++p) {
      const PanelCommand c = SliderCommand(s, p);
      EXPECT_EQ(c.command, std::string(s.prefix) + fields[p + 10]) << s.slider.name << " at " << p;
      EXPECT_EQ(c.value, values[p + 10]) << s.slider.name << " at " << p;
    }
  }
}

TEST(DesktopPanelMapping, VolumeAndDelayTexts) {
  const DesktopSlider& volume = Slider(Main::DesktopSliderLevelMain);
  EXPECT_EQ(SliderCommand(volume, 0).value, "0") << "never \"-0\"";
  EXPECT_EQ(SliderCommand(volume, 1).value, "-1");
  EXPECT_EQ(SliderCommand(volume, 75).command, "0102 0001 000F");

  const DesktopSlider& centre = Slider(Main::DesktopSliderDelayFc);
  const char* centreTexts[] = {"5mS", "4mS", "3mS", "2mS", "1mS", "0mS"};
  for (int p = 0; p <= 5; ++p) EXPECT_EQ(SliderCommand(centre, p).value, centreTexts[p]);
  const DesktopSlider& surround = Slider(Main::DesktopSliderDelayS);
  EXPECT_EQ(SliderCommand(surround, 15).value, "0mS");
  EXPECT_EQ(SliderCommand(surround, 15).command, "0104 0003 0000");
  EXPECT_EQ(SliderCommand(surround, 5).command, "0104 0003 000A");
}

TEST(DesktopPanelMapping, InitialTextsAgreeWithInitialPositions) {
  for (const DesktopSlider& s : DesktopSliders) {
    EXPECT_EQ(SliderCommand(s, s.initial).value, s.box.caption) << s.slider.name;
    EXPECT_GE(s.initial, s.minimum) << s.slider.name;
    EXPECT_LE(s.initial, s.maximum) << s.slider.name;
  }
}

TEST(DesktopPanelMapping, PositionsBeyondTheEndsCountAsTheEnds) {
  const DesktopSlider& volume = Slider(Main::DesktopSliderLevelMain);
  EXPECT_EQ(SliderCommand(volume, 200).command, "0102 0001 0000");
  EXPECT_EQ(SliderCommand(volume, -5).value, "0");
  const DesktopSlider& fl = Slider(Main::DesktopSliderLevelFl);
  EXPECT_EQ(SliderCommand(fl, 300).command, "0102 0011 00F6");
  EXPECT_EQ(SliderCommand(Slider(Main::DesktopSliderDelayFc), 9).value, "0mS");
}

struct DesktopPanelEvents : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  MapControls& c = t.controls;
  std::vector<Bytes>& writes = t.link.port.writes;
  void SetUp() override { ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1")); }
  // Address byte and command bytes of a frame.
  static Bytes Sent(const Bytes& frame) {
    Bytes sent{frame[2]};
    sent.insert(sent.end(), frame.begin() + 6, frame.end() - 2);
    return sent;
  }
};

TEST_F(DesktopPanelEvents, SliderChangeShowsTheValueAndSendsOneCommandToTheTrimAddress) {
  c.SetText(Main::Trim1TextAddress, "7");
  c.SetValue(Main::DesktopSliderLevelFl, 3);
  DesktopSlider_Change(a, Slider(Main::DesktopSliderLevelFl));
  EXPECT_EQ(c.Text(Main::DesktopTextLevelFl), "-3");
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(Sent(writes.back()), (Bytes{0x07, 0x01, 0x02, 0x00, 0x11, 0x00, 0xFD}));

  c.SetText(Main::Trim1TextAddress, "1A");
  c.SetValue(Main::DesktopSliderDelayS, 0);
  DesktopSlider_Change(a, Slider(Main::DesktopSliderDelayS));
  EXPECT_EQ(c.Text(Main::DesktopTextDelayS), "15mS");
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(Sent(writes.back()), (Bytes{0x1A, 0x01, 0x04, 0x00, 0x03, 0x00, 0x0F}));
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DesktopPanelEvents, EverySliderSendsExactlyOneFrame) {
  for (const DesktopSlider& s : DesktopSliders) {
    const size_t before = writes.size();
    c.SetValue(s.slider, s.maximum);
    DesktopSlider_Change(a, s);
    EXPECT_EQ(writes.size(), before + 1) << s.slider.name;
    EXPECT_EQ(writes.back()[2], 0x01) << "Trim1TextAddress starts as 1";
  }
}

TEST_F(DesktopPanelEvents, BadAddressKeepsTheNewValueAndSendsNothing) {
  c.SetText(Main::Trim1TextAddress, "G");
  c.SetValue(Main::DesktopSliderLevelMain, 0);
  DesktopSlider_Change(a, Slider(Main::DesktopSliderLevelMain));
  EXPECT_EQ(c.Text(Main::DesktopTextLevelMain), "0");
  EXPECT_TRUE(writes.empty());
  EXPECT_EQ(t.dialogs.messages, (std::vector<std::string>{"TxByHex, 出错 !"}));
  EXPECT_EQ(a.link.TxSequence, 0);
}

TEST_F(DesktopPanelEvents, ListChoiceSendsToTheControlAddress) {
  const InputList& analog = List(Main::ControlComboInputAnalog);
  c.SetEntries(analog.list, InputEntries(analog));
  ControlComboInput_Click(a, analog);
  EXPECT_TRUE(writes.empty()) << "no entry chosen yet";

  c.SetText(Main::Trim1TextAddress, "9");
  c.SetText(Main::ControlTextAddress, "2");
  c.SetIndex(analog.list, 2);
  ControlComboInput_Click(a, analog);
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(Sent(writes.back()), (Bytes{0x02, 0x02, 0x01, 0x00, 0x01, 0x00, 0x03}));
  EXPECT_EQ(c.Text(analog.list), "Analog 3");

  const InputList& hdmi = List(Main::ControlComboInputHdmi);
  c.SetEntries(hdmi.list, InputEntries(hdmi));
  c.SetIndex(hdmi.list, 7);
  ControlComboInput_Click(a, hdmi);
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(Sent(writes.back()), (Bytes{0x02, 0x02, 0x01, 0x00, 0x06, 0x00, 0x08}));
}

}  // namespace
