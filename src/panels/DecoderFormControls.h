#pragma once
// Controls of the audio decoder window.
#include "app/Platform.h"

namespace DecoderFormControls {
inline constexpr Control DecoderForm{"DecoderForm", "DecoderForm", "AudioDecoder Debug"};

inline constexpr Control All[] = {
    DecoderForm,
};
}  // namespace DecoderFormControls
