#pragma once
// The audio decoder window's behaviour: each option button, check box and
// button sends one fixed command text to the decoder board; the tuner page
// only turns the slider position into a frequency text.
#include <string>
#include <string_view>

#include "app/Ambrelin.h"

// "0301", the mode selector group and the mode code, joined without blanks.
std::string DecoderModeCommand(std::string_view modeCode);
// What a click on this control sends, judged by its state after the click;
// empty for a control that sends nothing.
std::string DecoderCommand(Controls&, Control);
// A click on an option button, check box or button: its command goes to the
// address in DecoderTextAddress.
void DecoderControl_Click(Ambrelin&, Control);

// One setting of the tuning slider. A band is switched in the order of its
// steps, which keeps the position inside the range at every step.
struct SliderStep {
  enum Field { Minimum, Position, Maximum } field;
  int value;
};
inline constexpr SliderStep AmBand[] = {
    {SliderStep::Minimum, 530}, {SliderStep::Position, 999}, {SliderStep::Maximum, 1622}};
inline constexpr SliderStep FmBand[] = {
    {SliderStep::Maximum, 10800}, {SliderStep::Position, 9800}, {SliderStep::Minimum, 8700}};

// FM positions are hundredths of a MHz ("98.00"), AM positions kHz ("999").
std::string TuningFreqText(int position, bool fm);
// After every change of the slider's position, and after a band switch.
void DecoderBarTuning_Change(Ambrelin&);
