#include "panels/DecoderPanel.h"

#include <cstdlib>

#include "link/TxRx.h"
#include "panels/DecoderFormControls.h"

namespace C = DecoderFormControls;

namespace {

struct FixedCommand {
  Control control;
  std::string_view command;
};
constexpr FixedCommand FixedCommands[] = {
    {C::DecoderButtonQuerySignal, "0401 0001 0000"},
    // Group "0201": item "0001" the analog inputs, "0002" the digital ones.
    {C::DecoderOptionInputA1, "0201 0001 0001"},
    {C::DecoderOptionInputA2, "0201 0001 0002"},
    {C::DecoderOptionInputA3, "0201 0001 0003"},
    {C::DecoderOptionInputA4, "0201 0001 0004"},
    {C::DecoderOptionInputA5, "0201 0001 0005"},
    {C::DecoderOptionInputA6, "0201 0001 0006"},
    {C::DecoderOptionInputA7, "0201 0001 0007"},
    {C::DecoderOptionInputA8, "0201 0001 0008"},
    {C::DecoderOptionInputRx0, "0201 0002 0001"},
    {C::DecoderOptionInputRx1, "0201 0002 0002"},
    {C::DecoderOptionInputRx2, "0201 0002 0003"},
    {C::DecoderOptionInputRx3, "0201 0002 0004"},
    {C::DecoderOptionInputRx4, "0201 0002 0005"},
    {C::DecoderOptionInputRx5, "0201 0002 0006"},
    {C::DecoderOptionInputRx6, "0201 0002 0007"},
    {C::DecoderOptionInputRx7, "0201 0002 0008"},
    // The noise channel, in the order of the trim items: FL FR SW FC SL SR BL BR.
    {C::DecoderOptionNoiseOff, "0201 0010 0000"},
    {C::DecoderOptionNoiseFl, "0201 0010 0001"},
    {C::DecoderOptionNoiseFr, "0201 0010 0002"},
    {C::DecoderOptionNoiseSw, "0201 0010 0003"},
    {C::DecoderOptionNoiseFc, "0201 0010 0004"},
    {C::DecoderOptionNoiseSl, "0201 0010 0005"},
    {C::DecoderOptionNoiseSr, "0201 0010 0006"},
    {C::DecoderOptionNoiseBl, "0201 0010 0007"},
    {C::DecoderOptionNoiseBr, "0201 0010 0008"},
    // Group "0302": item the speaker group, value 0 none, 1 small, 2 large.
    {C::DecoderOptionSizeFrontSmall, "0302 0001 0001"},
    {C::DecoderOptionSizeFrontLarge, "0302 0001 0002"},
    {C::DecoderOptionSizeWooferNone, "0302 0002 0000"},
    {C::DecoderOptionSizeWooferYes, "0302 0002 0001"},
    {C::DecoderOptionSizeCenterNone, "0302 0003 0000"},
    {C::DecoderOptionSizeCenterSmall, "0302 0003 0001"},
    {C::DecoderOptionSizeCenterLarge, "0302 0003 0002"},
    {C::DecoderOptionSizeSurroundNone, "0302 0004 0000"},
    {C::DecoderOptionSizeSurroundSmall, "0302 0004 0001"},
    {C::DecoderOptionSizeSurroundLarge, "0302 0004 0002"},
    {C::DecoderOptionSizeBackNone, "0302 0005 0000"},
    {C::DecoderOptionSizeBackSmall, "0302 0005 0001"},
    {C::DecoderOptionSizeBackLarge, "0302 0005 0002"},
    {C::DecoderOptionSizeBack1Ch, "0302 0006 0001"},
    {C::DecoderOptionSizeBack2Ch, "0302 0006 0002"},
};

// The high digit of a mode code names its family, the low digit the variant.
struct ModeCode {
  Control control;
  std::string_view code;
};
constexpr ModeCode ModeCodes[] = {
    {C::DecoderOptionModeBypass, "0001"},  {C::DecoderOptionModeStereo, "0002"},
    {C::DecoderOptionModeDsp1, "0011"},    {C::DecoderOptionModeDsp2, "0012"},
    {C::DecoderOptionModeDsp3, "0013"},    {C::DecoderOptionModeDsp4, "0014"},
    {C::DecoderOptionModeDsp5, "0015"},    {C::DecoderOptionModeDsp6, "0016"},
    {C::DecoderOptionModeDsp7, "0017"},    {C::DecoderOptionModeDsp8, "0018"},
    {C::DecoderOptionModePL, "0021"},      {C::DecoderOptionModePL2A, "0031"},
    {C::DecoderOptionModePL2B, "0032"},    {C::DecoderOptionModePL2xA, "0041"},
    {C::DecoderOptionModePL2xB, "0042"},   {C::DecoderOptionModeNeo6A, "0051"},
    {C::DecoderOptionModeNeo6B, "0052"},   {C::DecoderOptionModeDolbyD, "0061"},
    {C::DecoderOptionModeDolbyEx, "0062"}, {C::DecoderOptionModeDts, "0071"},
    {C::DecoderOptionModeDtsEs, "0072"},
};

struct CheckCommand {
  Control control;
  std::string_view checked, unchecked;
};
constexpr CheckCommand CheckCommands[] = {
    {C::DecoderCheckMute, "0101 0001 0001", "0101 0001 0000"},
    {C::DecoderCheckNight, "0303 0001 0001", "0303 0001 0000"},
};

// Nothing in the program sets the unit's mode selector, so its group is
// always the one for selector 0.
constexpr std::string_view ModeSelectorGroup = "0000";

bool Same(Control a, Control b) { return a.window == b.window && a.name == b.name; }

}  // namespace

std::string DecoderModeCommand(std::string_view modeCode) {
  return "0301" + std::string(ModeSelectorGroup) + std::string(modeCode);
}

std::string DecoderCommand(Controls& controls, Control c) {
  for (const FixedCommand& f : FixedCommands)
    if (Same(f.control, c)) return std::string(f.command);
  for (const ModeCode& m : ModeCodes)
    if (Same(m.control, c)) return DecoderModeCommand(m.code);
  for (const CheckCommand& k : CheckCommands)
    if (Same(k.control, c)) return std::string(controls.Ticked(c) ? k.checked : k.unchecked);
  return {};
}

void DecoderControl_Click(Ambrelin& a, Control c) {
  const std::string command = DecoderCommand(a.controls, c);
  if (!command.empty()) TxByHex(a, a.controls.Text(C::DecoderTextAddress), command);
}

std::string TuningFreqText(int position, bool fm) {
  if (!fm) return std::to_string(position);
  // At least one digit before the point, so a position below 100 still reads.
  std::string digits = std::to_string(std::abs(position));
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  digits.insert(digits.size() - 2, ".");
  return position < 0 ? "-" + digits : digits;
}

void DecoderBarTuning_Change(Ambrelin& a) {
  a.controls.SetText(C::DecoderTextTuningFreq,
                     TuningFreqText(a.controls.Value(C::DecoderBarTuning), a.controls.Ticked(C::DecoderOptionFm)));
}
