#pragma once
// Controls of the burner window's about box.
#include "app/Platform.h"

namespace BurnAboutControls {
inline constexpr Control BurnAbout{"BurnAbout", "BurnAbout", "Kilnora"};
inline constexpr Control RedidoAboutLabel1{"BurnAbout", "RedidoAboutLabel1", "Kilnora"};
inline constexpr Control RedidoAboutLabel2{"BurnAbout", "RedidoAboutLabel2", "Support Device:"};
inline constexpr Control RedidoAboutLabel3{"BurnAbout", "RedidoAboutLabel3", "T89V16PA,T89V32PA,T89V64PA"};
inline constexpr Control RedidoAboutLabel4{"BurnAbout", "RedidoAboutLabel4", "T89C4SA,T89C8SA,T89C16SA,T89C32SA,T89C64SA"};
inline constexpr Control RedidoAboutLabel5{"BurnAbout", "RedidoAboutLabel5", "T89E8SC,T89E16SC,T89E32SC,T89E64SC"};
inline constexpr Control RedidoAboutLabelVer{"BurnAbout", "RedidoAboutLabelVer", ""};
inline constexpr Control Frame1{"BurnAbout", "Frame1", ""};
inline constexpr Control RedidoAboutPicture1{"BurnAbout", "RedidoAboutPicture1", ""};
inline constexpr Control BurnAboutButtonOk{"BurnAbout", "BurnAboutButtonOk", "Ok"};

inline constexpr Control All[] = {
    BurnAbout,
    RedidoAboutLabel1,
    RedidoAboutLabel2,
    RedidoAboutLabel3,
    RedidoAboutLabel4,
    RedidoAboutLabel5,
    RedidoAboutLabelVer,
    Frame1,
    RedidoAboutPicture1,
    BurnAboutButtonOk,
};
}  // namespace BurnAboutControls
