#pragma once
// Controls of the info window.
#include "app/Platform.h"

namespace InfoFormControls {
inline constexpr Control InfoForm{"InfoForm", "InfoForm", "信息"};
inline constexpr Control InfoListOutput{"InfoForm", "InfoListOutput", ""};

inline constexpr Control All[] = {
    InfoForm,
    InfoListOutput,
};
}  // namespace InfoFormControls
