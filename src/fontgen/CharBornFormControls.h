#pragma once
// Controls of the LED font generator window with their designed captions.
#include "app/Platform.h"

namespace CharBornFormControls {
inline constexpr Control CharBornForm{"CharBornForm", "CharBornForm", "Char Born"};
inline constexpr Control CharOption7{"CharBornForm", "CharOption7", "7 Segment"};
inline constexpr Control CharOption14{"CharBornForm", "CharOption14", "14 Segment"};
inline constexpr Control CharOption16{"CharBornForm", "CharOption16", "16 Segment"};
inline constexpr Control CharPicture{"CharBornForm", "CharPicture", ""};
inline constexpr Control CharLabelOrder{"CharBornForm", "CharLabelOrder", "Step 1:Order>>"};
inline constexpr Control CharLabelOrderLow{"CharBornForm", "CharLabelOrderLow", "Low 8 Bit:"};
inline constexpr Control CharLabelOrderHigh{"CharBornForm", "CharLabelOrderHigh", "High 8 Bit:"};
inline constexpr Control CharTextOrder0{"CharBornForm", "CharTextOrder0", ""};
inline constexpr Control CharTextOrder1{"CharBornForm", "CharTextOrder1", ""};
inline constexpr Control CharTextOrder2{"CharBornForm", "CharTextOrder2", ""};
inline constexpr Control CharTextOrder3{"CharBornForm", "CharTextOrder3", ""};
inline constexpr Control CharTextOrder4{"CharBornForm", "CharTextOrder4", ""};
inline constexpr Control CharTextOrder5{"CharBornForm", "CharTextOrder5", ""};
inline constexpr Control CharTextOrder6{"CharBornForm", "CharTextOrder6", ""};
inline constexpr Control CharTextOrder7{"CharBornForm", "CharTextOrder7", ""};
inline constexpr Control CharTextOrder8{"CharBornForm", "CharTextOrder8", ""};
inline constexpr Control CharTextOrder9{"CharBornForm", "CharTextOrder9", ""};
inline constexpr Control CharTextOrder10{"CharBornForm", "CharTextOrder10", ""};
inline constexpr Control CharTextOrder11{"CharBornForm", "CharTextOrder11", ""};
inline constexpr Control CharTextOrder12{"CharBornForm", "CharTextOrder12", ""};
inline constexpr Control CharTextOrder13{"CharBornForm", "CharTextOrder13", ""};
inline constexpr Control CharTextOrder14{"CharBornForm", "CharTextOrder14", ""};
inline constexpr Control CharTextOrder15{"CharBornForm", "CharTextOrder15", ""};
inline constexpr Control CharLabelCode{"CharBornForm", "CharLabelCode", "Step 2:Code>>"};
inline constexpr Control CharCheckCode{"CharBornForm", "CharCheckCode", "Reverse"};
inline constexpr Control CharLabelFormat{"CharBornForm", "CharLabelFormat", "Step 3:Format>>"};
inline constexpr Control CharOptionUchar{"CharBornForm", "CharOptionUchar", "C Unsigned Char"};
inline constexpr Control CharOptionUshort{"CharBornForm", "CharOptionUshort", "C Unsigned Short"};
inline constexpr Control CharOptionAsm{"CharBornForm", "CharOptionAsm", "ASM"};
inline constexpr Control CharLabelStep4{"CharBornForm", "CharLabelStep4", "Step 4:Basic Video>>"};
inline constexpr Control CharButtonBorn{"CharBornForm", "CharButtonBorn", "Born"};
inline constexpr Control CharTextCode{"CharBornForm", "CharTextCode", ""};
inline constexpr Control CharButtonLoadFile{"CharBornForm", "CharButtonLoadFile", "Load File"};
inline constexpr Control CharButtonSaveFile{"CharBornForm", "CharButtonSaveFile", "Save File"};

inline constexpr Control All[] = {
    CharBornForm,
    CharOption7,
    CharOption14,
    CharOption16,
    CharPicture,
    CharLabelOrder,
    CharLabelOrderLow,
    CharLabelOrderHigh,
    CharTextOrder0,
    CharTextOrder1,
    CharTextOrder2,
    CharTextOrder3,
    CharTextOrder4,
    CharTextOrder5,
    CharTextOrder6,
    CharTextOrder7,
    CharTextOrder8,
    CharTextOrder9,
    CharTextOrder10,
    CharTextOrder11,
    CharTextOrder12,
    CharTextOrder13,
    CharTextOrder14,
    CharTextOrder15,
    CharLabelCode,
    CharCheckCode,
    CharLabelFormat,
    CharOptionUchar,
    CharOptionUshort,
    CharOptionAsm,
    CharLabelStep4,
    CharButtonBorn,
    CharTextCode,
    CharButtonLoadFile,
    CharButtonSaveFile,
};
}  // namespace CharBornFormControls
