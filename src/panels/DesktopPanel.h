#pragma once
// The sound panel of the main window: thirteen sliders and three input lists,
// each change turned into one command for the unit and sent at once.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/Ambrelin.h"

// How a slider position reads. Level: trims, bass and treble, a signed level
// that is the negated position. Volume: an attenuation, the unit takes
// maximum - position. Delay: milliseconds, maximum - position.
enum class SliderScale { Level, Volume, Delay };

struct DesktopSlider {
  Control slider, frame, box;
  SliderScale scale;
  int minimum, maximum, initial;
  std::string_view prefix;
};

struct InputList {
  Control list;
  std::string_view entry;  // entries are this word and 1 to 8
  std::string_view prefix;
};

extern const std::array<DesktopSlider, 13> DesktopSliders;
extern const std::array<InputList, 3> InputLists;

// What a control shows in its value box and the command text it sends.
struct PanelCommand {
  std::string value, command;
};

// Four upper-case hexadecimal digits of a value from 0 to 0xFFFF.
std::string ValueField(int value);
// A position outside the slider's range counts as the nearer end.
PanelCommand SliderCommand(const DesktopSlider&, int position);
// The command of the entry at index (0 is the first).
std::string InputCommand(const InputList&, int index);
std::vector<std::string> InputEntries(const InputList&);

// The slider reported a new position: value box, then one command to the
// address in Trim1TextAddress.
void DesktopSlider_Change(Ambrelin&, const DesktopSlider&);
// An entry was chosen: one command to the address in ControlTextAddress.
void ControlComboInput_Click(Ambrelin&, const InputList&);
