#pragma once
// Register-setting files for the HDMI receiver and transmitter: each value
// is kept in the code buffer at its register and written to the unit.
#include <string>

#include "app/Ambrelin.h"
#include "images/CodeBuffer.h"

// Clears the image to 0x00 and sends each register as it is read, paced;
// what was sent before a bad line stays applied. The result names the chip
// and counts the registers in `stored`.
Loaded ReadValFile(Ambrelin&, const std::string& path);
