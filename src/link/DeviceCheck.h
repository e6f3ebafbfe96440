#pragma once
// What the operating system says of a device as a serial port: whether it
// exists, what kind of file it is, who may use it and whether another program
// holds it. One implementation per system; nothing here opens the device
// unless asked to.
#include <string>

#include "link/PortCause.h"

// `tryOpen` opens the device once by itself, for a port that has already
// failed to open: opening may raise the modem lines of what hangs on it.
PortFacts CheckDevice(const std::string& device, bool tryOpen);
