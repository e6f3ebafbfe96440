// The control panels: each control's command on the wire, the slider
// scales, the debug page and the tuner.
#include <set>
#include <span>
#include <sstream>

#include "TestApp.h"
#include "panels/DebugPanel.h"
#include "panels/DecoderFormControls.h"
#include "panels/DecoderPanel.h"
#include "panels/DesktopPanel.h"
#include "panels/HdmiPanel.h"
#include "panels/HdmiRegisters.h"

namespace {

namespace Main = DesktopFormControls;
namespace Decoder = DecoderFormControls;
namespace Hdmi = HdmiFormControls;

struct Panels : AppTest {
  // Runs the event on a control of the decoder or the HDMI window; the
  // frames it sent.
  size_t Fire(const std::string& event, Control ctl) {
    const size_t before = writes.size();
    const std::string_view name = ctl.name;
    if (event == "tick" || event == "untick") c.SetTicked(ctl, event == "tick");
    if (event == "double") HdmiOption_DblClick(a, ctl);
    else if (name.starts_with("Decoder")) DecoderControl_Click(a, ctl);
    else if (name.starts_with("HdmiCheck")) HdmiCheckMute_Click(a, ctl);
    else if (name == Hdmi::Ad9889CheckPower.name) Ad9889CheckPower_Click(a);
    else if (name.starts_with("Hdmi")) HdmiControl_Click(a, ctl);
    else HdmiRegisterLabel_Click(a, ctl);
    return writes.size() - before;
  }
};

// The controls of the decoder window, the HDMI window and its register pages.
const std::span<const Control> Windows[] = {Decoder::All, Hdmi::All, Hdmi::SwitchPage, Hdmi::DecoderPage,
                                            Hdmi::TransmitPage};

std::optional<Control> Named(std::string_view name) {
  for (std::span<const Control> all : Windows)
    for (Control ctl : all)
      if (ctl.name == name) return ctl;
  return std::nullopt;
}

TEST_F(Panels, CommandTablesAgreeWithTheTranscription) {
  // Each window's address box is passed on as typed.
  c.SetText(Decoder::DecoderTextAddress, "1a");
  c.SetText(Hdmi::HdmiTextAddress, "1B");
  std::set<std::string> listed;
  for (const std::string& line : DataLines("panels/Commands.txt")) {
    std::istringstream fields(line);
    std::string event, name, command;
    fields >> event >> name >> std::ws;
    std::getline(fields, command);
    const auto ctl = Named(name);
    ASSERT_TRUE(ctl) << name;
    listed.insert(name);
    const size_t sent = Fire(event, *ctl);
    if (command == "-") {
      EXPECT_EQ(sent, 0u) << event << " " << name;
      continue;
    }
    ASSERT_EQ(sent, 1u) << event << " " << name;
    for (char& ch : command) ch = static_cast<char>(std::toupper(ch));  // lower-case digits send the same bytes
    EXPECT_EQ(Sent(), command) << event << " " << name;
    EXPECT_EQ(writes.back()[2], name.starts_with("Decoder") ? 0x1A : 0x1B) << name;
  }
  // What the transcription does not list sends nothing.
  for (std::span<const Control> all : Windows)
    for (Control ctl : all) {
      const std::string name(ctl.name);
      const bool clickable = name.starts_with("DecoderOption") || name.starts_with("DecoderCheck") ||
                             name.starts_with("DecoderButton") || name.starts_with("HdmiOption") ||
                             name.starts_with("HdmiCommand") || name.find("Label") != std::string::npos;
      if (clickable && !listed.contains(name)) {
        EXPECT_EQ(Fire("click", ctl), 0u) << name;
      }
    }
  EXPECT_TRUE(t.dialogs.messages.empty());
  c.SetText(Decoder::DecoderTextAddress, "G");
  Fire("click", Decoder::DecoderOptionModeDts);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"TxByHex, 出错 !"});
}

const DesktopSlider& Slider(std::string_view name) {
  return *std::find_if(DesktopSliders.begin(), DesktopSliders.end(), [&](auto& s) { return s.slider.name == name; });
}

TEST(SoundPanel, TablesAgreeWithTheTranscription) {
  size_t sliders = 0, lists = 0;
  for (const std::string& line : DataLines("panels/Sliders.txt")) {
    const auto f = Fields(line);
    if (f.size() == 3) {
      const InputList& l = InputLists.at(lists++);
      EXPECT_EQ(l.list.name, f[0]);
      EXPECT_EQ(InputEntries(l), (std::vector<std::string>{f[1] + " 1", f[1] + " 2", f[1] + " 3", f[1] + " 4",
                                                          f[1] + " 5", f[1] + " 6", f[1] + " 7", f[1] + " 8"}));
      EXPECT_EQ(InputCommand(l, 7), f[2] + " 0008") << f[0];
      continue;
    }
    ASSERT_EQ(f.size(), 6u) << line;
    const DesktopSlider& s = Slider(f[0]);
    ++sliders;
    EXPECT_EQ(std::make_tuple(s.minimum, s.maximum, s.initial), std::make_tuple(std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3])))
        << f[0];
    EXPECT_EQ(s.box.caption, f[4]) << f[0];
    EXPECT_EQ(SliderCommand(s, s.initial).value, f[4]) << f[0] << ": the initial text agrees with the position";
    EXPECT_EQ(s.prefix, f[5] + " ") << f[0];
  }
  EXPECT_EQ(std::make_pair(sliders, lists), std::make_pair(DesktopSliders.size(), InputLists.size()));
}

TEST(SoundPanel, ScalesOfTheSliders) {
  const struct {
    const char* slider;
    int position;
    const char *value, *command;
  } examples[] = {
      {"DesktopSliderLevelMain", 32, "-32", "0102 0001 003A"}, {"DesktopSliderLevelMain", 0, "0", "0102 0001 005A"},
      {"DesktopSliderLevelMain", 90, "-90", "0102 0001 0000"}, {"DesktopSliderLevelMain", 75, "-75", "0102 0001 000F"},
      {"DesktopSliderLevelFl", 3, "-3", "0102 0011 00FD"},     {"DesktopSliderLevelFl", -10, "10", "0102 0011 000A"},
      {"DesktopSliderBass", 10, "-10", "0103 0001 00F6"},      {"DesktopSliderDelayFc", 0, "5mS", "0104 0002 0005"},
      {"DesktopSliderDelayFc", 4, "1mS", "0104 0002 0001"},    {"DesktopSliderDelayS", 10, "5mS", "0104 0003 0005"},
      {"DesktopSliderDelayS", 0, "15mS", "0104 0003 000F"},
      // Positions beyond the ends count as the ends.
      {"DesktopSliderLevelMain", 200, "-90", "0102 0001 0000"}, {"DesktopSliderLevelMain", -5, "0", "0102 0001 005A"},
      {"DesktopSliderLevelFl", 300, "-10", "0102 0011 00F6"},  {"DesktopSliderDelayFc", 9, "0mS", "0104 0002 0000"},
  };
  for (const auto& e : examples) {
    const PanelCommand command = SliderCommand(Slider(e.slider), e.position);
    EXPECT_EQ(command.value, e.value) << e.slider << " at " << e.position;
    EXPECT_EQ(command.command, e.command) << e.slider << " at " << e.position;
  }
  // Levels go out as two's complement bytes without a minus sign.
  for (int p = -10; p <= 10; ++p)
    EXPECT_EQ(SliderCommand(Slider("DesktopSliderTreble"), p).command, "0103 0003 " + ValueField(p > 0 ? 256 - p : -p));
}

TEST_F(Panels, DebugButtonsSendTheirRowWithTheirColumnsAddressAndTheirFramesType) {
  c.SetText(Main::DebugTextAddressA, "1A");
  c.SetText(Main::DebugTextAddressB, "2b");
  for (size_t k = 0; k < 4; ++k) {
    c.SetText(DebugColumns[k].address, std::to_string(11 + k));
    for (size_t row = 0; row < 6; ++row) {
      const std::string command = "C" + std::to_string(k) + "0" + std::to_string(row) + " 00EE";
      c.SetText(DebugColumns[k].commands[row], command);
      DebugButton_Click(a, DebugColumns[k], static_cast<int>(row));
      EXPECT_EQ(std::make_tuple(writes.back()[1], writes.back()[2], Sent()),
                std::make_tuple(uint8_t(k < 2 ? 0x1A : 0x2B), uint8_t(0x11 + k), command))
          << DebugColumns[k].buttons[row].name;
    }
  }
  EXPECT_EQ(writes.size(), 24u);
  // An empty address is refused; an empty type reads as 0, and then sends
  // what the main window's "Analog 2" sends.
  c.SetText(Main::DebugTextAddressA, "");
  c.SetText(Main::DebugTextAddress2, "");
  DebugButton_Click(a, DebugColumns[1], 3);
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"TxByHex2, 出错 !"});
  c.SetText(Main::DebugTextR4, "0201 0001 0002");
  c.SetText(Main::DebugTextAddress2, "1");
  DebugButton_Click(a, DebugColumns[1], 3);
  c.SetEntries(InputLists[0].list, InputEntries(InputLists[0]));
  c.SetIndex(InputLists[0].list, 1);
  a.link.TxSequence = static_cast<uint8_t>(writes.back()[4] - 1);
  ControlComboInput_Click(a, InputLists[0]);
  EXPECT_EQ(writes[writes.size() - 2], writes.back());
}

TEST(Tuner, FrequencyTexts) {
  const std::tuple<int, bool, const char*> texts[] = {
      {9800, true, "98.00"}, {10790, true, "107.90"}, {8705, true, "87.05"}, {10800, true, "108.00"},
      {5, true, "0.05"},     {99, true, "0.99"},      {999, false, "999"},   {10800, false, "10800"},
  };
  for (auto [position, fm, text] : texts) EXPECT_EQ(TuningFreqText(position, fm), text) << position;

  TestApp t;
  t.controls.SetTicked(Decoder::DecoderOptionFm, true);
  t.controls.SetValue(Decoder::DecoderBarTuning, 10790);
  DecoderBarTuning_Change(t.app);
  EXPECT_EQ(t.controls.Text(Decoder::DecoderTextTuningFreq), "107.90");
  t.controls.SetTicked(Decoder::DecoderOptionFm, false);
  DecoderBarTuning_Change(t.app);
  EXPECT_EQ(t.controls.Text(Decoder::DecoderTextTuningFreq), "10790");
}

}  // namespace
