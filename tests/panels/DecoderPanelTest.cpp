#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <vector>

#include "TestApp.h"
#include "panels/DecoderFormControls.h"
#include "panels/DecoderPanel.h"

namespace C = DecoderFormControls;

namespace {

using Bytes = std::vector<uint8_t>;

struct Decoder : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  void SetUp() override { ASSERT_TRUE(t.link.port.Open(1, "38400,N,8,1")); }
  // The command bytes of the last frame on the wire.
  Bytes Sent() {
    if (t.link.port.writes.empty()) return {};
    const Bytes& f = t.link.port.writes.back();
    return Bytes(f.begin() + 6, f.end() - 2);
  }
  Bytes Click(Control c) {
    const size_t before = t.link.port.writes.size();
    DecoderControl_Click(a, c);
    return t.link.port.writes.size() == before + 1 ? Sent() : Bytes{};
  }
};

// Three two-byte groups, as the command texts write them.
Bytes Groups(uint16_t group, uint16_t item, uint16_t value) {
  return {uint8_t(group >> 8), uint8_t(group), uint8_t(item >> 8), uint8_t(item), uint8_t(value >> 8),
          uint8_t(value)};
}

TEST_F(Decoder, InputsSendGroup0201WithTheInputNumber) {
  const Control analog[] = {C::DecoderOptionInputA1, C::DecoderOptionInputA2, C::DecoderOptionInputA3,
                            C::DecoderOptionInputA4, C::DecoderOptionInputA5, C::DecoderOptionInputA6,
                            C::DecoderOptionInputA7, C::DecoderOptionInputA8};
  // Named from 0, numbered from 1.
  const Control digital[] = {C::DecoderOptionInputRx0, C::DecoderOptionInputRx1, C::DecoderOptionInputRx2,
                             C::DecoderOptionInputRx3, C::DecoderOptionInputRx4, C::DecoderOptionInputRx5,
                             C::DecoderOptionInputRx6, C::DecoderOptionInputRx7};
  for (uint16_t n = 1; n <= 8; ++n) {
    EXPECT_EQ(Click(analog[n - 1]), Groups(0x0201, 0x0001, n)) << analog[n - 1].name;
    EXPECT_EQ(Click(digital[n - 1]), Groups(0x0201, 0x0002, n)) << digital[n - 1].name;
  }
  EXPECT_EQ(DecoderCommand(t.controls, C::DecoderOptionInputRx0), "0201 0002 0001");
}

TEST_F(Decoder, NoiseTestFollowsTheTrimChannelOrder) {
  const Control channels[] = {C::DecoderOptionNoiseOff, C::DecoderOptionNoiseFl, C::DecoderOptionNoiseFr,
                              C::DecoderOptionNoiseSw,  C::DecoderOptionNoiseFc, C::DecoderOptionNoiseSl,
                              C::DecoderOptionNoiseSr,  C::DecoderOptionNoiseBl, C::DecoderOptionNoiseBr};
  for (uint16_t n = 0; n < std::size(channels); ++n)
    EXPECT_EQ(Click(channels[n]), Groups(0x0201, 0x0010, n)) << channels[n].name;
  EXPECT_EQ(DecoderCommand(t.controls, C::DecoderOptionNoiseFc), "0201 0010 0004");
  EXPECT_EQ(DecoderCommand(t.controls, C::DecoderOptionNoiseSw), "0201 0010 0003");
}

TEST_F(Decoder, SpeakerSizesSendGroup0302ByGroupAndSize) {
  struct Case {
    Control control;
    uint16_t item, size;
  };
  const Case cases[] = {
      {C::DecoderOptionSizeFrontSmall, 1, 1},    {C::DecoderOptionSizeFrontLarge, 1, 2},
      {C::DecoderOptionSizeWooferNone, 2, 0},    {C::DecoderOptionSizeWooferYes, 2, 1},
      {C::DecoderOptionSizeCenterNone, 3, 0},    {C::DecoderOptionSizeCenterSmall, 3, 1},
      {C::DecoderOptionSizeCenterLarge, 3, 2},   {C::DecoderOptionSizeSurroundNone, 4, 0},
      {C::DecoderOptionSizeSurroundSmall, 4, 1}, {C::DecoderOptionSizeSurroundLarge, 4, 2},
      {C::DecoderOptionSizeBackNone, 5, 0},      {C::DecoderOptionSizeBackSmall, 5, 1},
      {C::DecoderOptionSizeBackLarge, 5, 2},     {C::DecoderOptionSizeBack1Ch, 6, 1},
      {C::DecoderOptionSizeBack2Ch, 6, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(Click(c.control), Groups(0x0302, c.item, c.size)) << c.control.name;
}

TEST_F(Decoder, ModesJoinTheirGroupsWithoutBlanks) {
  EXPECT_EQ(DecoderModeCommand("0061"), "030100000061");
  EXPECT_EQ(DecoderCommand(t.controls, C::DecoderOptionModeDolbyD), "030100000061");
  EXPECT_EQ(DecoderCommand(t.controls, C::DecoderOptionModeBypass), "030100000001");
  // Family in the high digit, variant from 1 in the low digit.
  struct Case {
    Control control;
    uint16_t code;
  };
  const Case cases[] = {
      {C::DecoderOptionModeBypass, 0x01}, {C::DecoderOptionModeStereo, 0x02}, {C::DecoderOptionModeDsp1, 0x11},
      {C::DecoderOptionModeDsp2, 0x12},   {C::DecoderOptionModeDsp3, 0x13},   {C::DecoderOptionModeDsp4, 0x14},
      {C::DecoderOptionModeDsp5, 0x15},   {C::DecoderOptionModeDsp6, 0x16},   {C::DecoderOptionModeDsp7, 0x17},
      {C::DecoderOptionModeDsp8, 0x18},   {C::DecoderOptionModePL, 0x21},     {C::DecoderOptionModePL2A, 0x31},
      {C::DecoderOptionModePL2B, 0x32},   {C::DecoderOptionModePL2xA, 0x41},  {C::DecoderOptionModePL2xB, 0x42},
      {C::DecoderOptionModeNeo6A, 0x51},  {C::DecoderOptionModeNeo6B, 0x52},  {C::DecoderOptionModeDolbyD, 0x61},
      {C::DecoderOptionModeDolbyEx, 0x62}, {C::DecoderOptionModeDts, 0x71},   {C::DecoderOptionModeDtsEs, 0x72},
  };
  for (const Case& c : cases) EXPECT_EQ(Click(c.control), Groups(0x0301, 0x0000, c.code)) << c.control.name;
}

TEST_F(Decoder, CheckBoxesSendTheStateAfterTheClick) {
  t.controls.SetTicked(C::DecoderCheckMute, true);
  EXPECT_EQ(Click(C::DecoderCheckMute), Groups(0x0101, 0x0001, 1));
  t.controls.SetTicked(C::DecoderCheckMute, false);
  EXPECT_EQ(Click(C::DecoderCheckMute), Groups(0x0101, 0x0001, 0));
  EXPECT_EQ(DecoderCommand(t.controls, C::DecoderCheckMute), "0101 0001 0000");
  t.controls.SetTicked(C::DecoderCheckNight, true);
  EXPECT_EQ(Click(C::DecoderCheckNight), Groups(0x0303, 0x0001, 1));
  t.controls.SetTicked(C::DecoderCheckNight, false);
  EXPECT_EQ(Click(C::DecoderCheckNight), Groups(0x0303, 0x0001, 0));
}

TEST_F(Decoder, QuerySignalOnlySendsItsRequest) {
  EXPECT_EQ(Click(C::DecoderButtonQuerySignal), Groups(0x0401, 0x0001, 0x0000));
  EXPECT_FALSE(a.link.ReplyWanted);
}

TEST_F(Decoder, EverySendingControlSendsOneFrameToTheWindowsAddress) {
  // Every option button, check box and button but the tuner's and the two
  // that have no behaviour.
  const std::string_view silent[] = {"DecoderOptionAm", "DecoderOptionFm", "DecoderCheckNoiseAuto",
                                     "DecoderOptionSizeFrontNone"};
  int sending = 0;
  for (Control c : C::All) {
    const bool clickable = c.name.starts_with("DecoderOption") || c.name.starts_with("DecoderCheck") ||
                           c.name.starts_with("DecoderButton");
    if (!clickable) continue;
    const size_t before = t.link.port.writes.size();
    DecoderControl_Click(a, c);
    const bool quiet = std::ranges::find(silent, c.name) != std::end(silent);
    ASSERT_EQ(t.link.port.writes.size(), before + (quiet ? 0 : 1)) << c.name;
    if (quiet) continue;
    ++sending;
    const Bytes& frame = t.link.port.writes.back();
    EXPECT_EQ(frame[1], 0x00) << c.name;
    EXPECT_EQ(frame[2], 0x02) << c.name;
    EXPECT_EQ(frame[5], 6) << c.name;
  }
  EXPECT_EQ(sending, 16 + 9 + 15 + 21 + 2 + 1);
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Decoder, AddressBoxIsPassedUnchanged) {
  t.controls.SetText(C::DecoderTextAddress, "1A");
  DecoderControl_Click(a, C::DecoderOptionModeDts);
  EXPECT_EQ(t.link.port.writes.back()[2], 0x1A);
  t.controls.SetText(C::DecoderTextAddress, "G");
  DecoderControl_Click(a, C::DecoderOptionModeDts);
  EXPECT_EQ(t.link.port.writes.size(), 1u);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"TxByHex, 出错 !"});
}

TEST(DecoderTuner, FrequencyTexts) {
  EXPECT_EQ(TuningFreqText(9800, true), "98.00");
  EXPECT_EQ(TuningFreqText(10790, true), "107.90");
  EXPECT_EQ(TuningFreqText(8700, true), "87.00");
  EXPECT_EQ(TuningFreqText(10800, true), "108.00");
  EXPECT_EQ(TuningFreqText(8705, true), "87.05");
  EXPECT_EQ(TuningFreqText(999, false), "999");
  EXPECT_EQ(TuningFreqText(530, false), "530");
  EXPECT_EQ(TuningFreqText(10800, false), "10800");
  // Positions below 100 keep a digit before the point.
  EXPECT_EQ(TuningFreqText(5, true), "0.05");
  EXPECT_EQ(TuningFreqText(99, true), "0.99");
}

TEST(DecoderTuner, SliderChangeWritesTheTextForTheChosenBand) {
  TestApp t;
  t.controls.SetTicked(C::DecoderOptionFm, true);
  t.controls.SetValue(C::DecoderBarTuning, 10790);
  DecoderBarTuning_Change(t.app);
  EXPECT_EQ(t.controls.Text(C::DecoderTextTuningFreq), "107.90");
  t.controls.SetTicked(C::DecoderOptionFm, false);
  t.controls.SetTicked(C::DecoderOptionAm, true);
  t.controls.SetValue(C::DecoderBarTuning, 1000);
  DecoderBarTuning_Change(t.app);
  EXPECT_EQ(t.controls.Text(C::DecoderTextTuningFreq), "1000");
  EXPECT_TRUE(t.link.port.writes.empty() && t.link.port.dropped.empty()) << "the tuner sends nothing";
}

// A slider that keeps its position inside its range, as a real one does.
struct Slider {
  int minimum = 8700, position = 8700, maximum = 10800;
  void Apply(std::span<const SliderStep> band) {
    for (SliderStep s : band) {
      if (s.field == SliderStep::Minimum) minimum = s.value, maximum = std::max(maximum, minimum);
      if (s.field == SliderStep::Maximum) maximum = s.value, minimum = std::min(minimum, maximum);
      if (s.field == SliderStep::Position) position = s.value;
      position = std::clamp(position, minimum, maximum);
    }
  }
};

TEST(DecoderTuner, BandSwitchesNeverClampThePosition) {
  Slider s;
  s.Apply(AmBand);
  EXPECT_EQ(s.minimum, 530);
  EXPECT_EQ(s.position, 999);
  EXPECT_EQ(s.maximum, 1622);
  s.Apply(FmBand);
  EXPECT_EQ(s.minimum, 8700);
  EXPECT_EQ(s.position, 9800);
  EXPECT_EQ(s.maximum, 10800);
  // From anywhere in one band to the other.
  s.position = 10800;
  s.Apply(AmBand);
  EXPECT_EQ(s.position, 999);
  s.position = 530;
  s.Apply(FmBand);
  EXPECT_EQ(s.position, 9800);
}

}  // namespace
