#pragma once
// Controls of the HDMI window.
#include "app/Platform.h"

namespace HdmiFormControls {
inline constexpr Control HdmiForm{"HdmiForm", "HdmiForm", "Hdmi Debug"};

inline constexpr Control All[] = {
    HdmiForm,
};
}  // namespace HdmiFormControls
