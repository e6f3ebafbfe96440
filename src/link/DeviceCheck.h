#pragma once
// What the operating system says of a device as a serial port: whether it
// exists, what kind of file it is, who may use it and whether another program
// holds it; which device a name leads to; and what the driver can be asked
// of an open port. One implementation per system; nothing here opens the
// device unless asked to.
#include <string>

#include "link/PortCause.h"

class QSerialPort;

// `tryOpen` opens the device once by itself, for a port that has already
// failed to open: opening may raise the modem lines of what hangs on it.
PortFacts CheckDevice(const std::string& device, bool tryOpen);

// The device a name leads to, links followed (/dev/serial/by-id/...), as the
// port list names it; empty when it leads nowhere. The list knows a pinned
// link and the device it found under its own name as one port by it.
std::string RealDevice(const std::string& name);

// Asks the driver of an open port to pass on received bytes at once rather
// than after its latency timer, a delay every request/reply exchange would
// pay. A device that cannot (a pseudo-terminal) keeps its ways.
void AskLowLatency(QSerialPort& open);
