#pragma once
// Controls of the LED font generator window.
#include "app/Platform.h"

namespace CharBornFormControls {
inline constexpr Control CharBornForm{"CharBornForm", "CharBornForm", "Char Born"};

inline constexpr Control All[] = {
    CharBornForm,
};
}  // namespace CharBornFormControls
