#include "panels/DesktopPanel.h"

#include <algorithm>
#include <cstdio>

#include "app/DesktopFormControls.h"
#include "link/TxRx.h"

namespace C = DesktopFormControls;

using enum SliderScale;

const std::array<DesktopSlider, 13> DesktopSliders{{
    {C::DesktopSliderLevelMain, C::DesktopFrameLevelMain, C::DesktopTextLevelMain, Volume, 0, 90, 32, "0102 0001 "},
    {C::DesktopSliderLevelFl, C::DesktopFrameLevelFl, C::DesktopTextLevelFl, Level, -10, 10, 0, "0102 0011 "},
    {C::DesktopSliderLevelFr, C::DesktopFrameLevelFr, C::DesktopTextLevelFr, Level, -10, 10, 0, "0102 0012 "},
    {C::DesktopSliderLevelSw, C::DesktopFrameLevelSw, C::DesktopTextLevelSw, Level, -10, 10, 0, "0102 0013 "},
    {C::DesktopSliderLevelFc, C::DesktopFrameLevelFc, C::DesktopTextLevelFc, Level, -10, 10, 0, "0102 0014 "},
    {C::DesktopSliderLevelSl, C::DesktopFrameLevelSl, C::DesktopTextLevelSl, Level, -10, 10, 0, "0102 0015 "},
    {C::DesktopSliderLevelSr, C::DesktopFrameLevelSr, C::DesktopTextLevelSr, Level, -10, 10, 0, "0102 0016 "},
    {C::DesktopSliderLevelBl, C::DesktopFrameLevelBl, C::DesktopTextLevelBl, Level, -10, 10, 0, "0102 0017 "},
    {C::DesktopSliderLevelBr, C::DesktopFrameLevelBr, C::DesktopTextLevelBr, Level, -10, 10, 0, "0102 0018 "},
    {C::DesktopSliderBass, C::DesktopFrameBass, C::DesktopTextBass, Level, -10, 10, 0, "0103 0001 "},
    {C::DesktopSliderTreble, C::DesktopFrameTreble, C::DesktopTextTreble, Level, -10, 10, 0, "0103 0003 "},
    {C::DesktopSliderDelayFc, C::DesktopFrameDelayFc, C::DesktopTextDelayFc, Delay, 0, 5, 5, "0104 0002 "},
    {C::DesktopSliderDelayS, C::DesktopFrameDelayS, C::DesktopTextDelayS, Delay, 0, 15, 10, "0104 0003 "},
}};

const std::array<InputList, 3> InputLists{{
    {C::ControlComboInputAnalog, "Analog", "0201 0001 "},
    {C::ControlComboInputDigital, "Digital", "0201 0002 "},
    {C::ControlComboInputHdmi, "Hdmi", "0201 0006 "},
}};

std::string ValueField(int value) {
  char field[8];
  std::snprintf(field, sizeof field, "%04X", static_cast<unsigned>(std::clamp(value, 0, 0xFFFF)));
  return field;
}

PanelCommand SliderCommand(const DesktopSlider& s, int position) {
  position = std::clamp(position, s.minimum, s.maximum);
  std::string value;
  int sent = s.maximum - position;
  switch (s.scale) {
    case Level:
      value = std::to_string(-position);
      // Negative levels go out as their two's complement byte.
      sent = -position & 0xFF;
      break;
    case Volume:
      value = position == 0 ? "0" : "-" + std::to_string(position);
      break;
    case Delay:
      value = std::to_string(sent) + "mS";
      break;
  }
  return {value, std::string(s.prefix) + ValueField(sent)};
}

std::string InputCommand(const InputList& l, int index) { return std::string(l.prefix) + ValueField(index + 1); }

std::vector<std::string> InputEntries(const InputList& l) {
  std::vector<std::string> entries;
  for (int n = 1; n <= 8; ++n) entries.push_back(std::string(l.entry) + " " + std::to_string(n));
  return entries;
}

void DesktopSlider_Change(Ambrelin& a, const DesktopSlider& s) {
  const PanelCommand c = SliderCommand(s, a.controls.Value(s.slider));
  a.controls.SetText(s.box, c.value);
  TxByHex(a, a.controls.Text(C::Trim1TextAddress), c.command);
}

void ControlComboInput_Click(Ambrelin& a, const InputList& l) {
  const int index = a.controls.Index(l.list);
  // Only a chosen entry has a command; the title alone is none.
  if (index < 0) return;
  TxByHex(a, a.controls.Text(C::ControlTextAddress), InputCommand(l, index));
}
