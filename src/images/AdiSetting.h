#pragma once
// Register-setting files for the HDMI receiver and transmitter: each value
// is kept in the code buffer at its register and written to the unit.
#include <string>

#include "app/Ambrelin.h"

void LoadCode_ValFile(Ambrelin&, const std::string& path);
