#pragma once
// Why a port did not open, told the same way by the windows and the command
// line. What the system says of a device is gathered where the system is at
// hand (link/DeviceCheck.h); what it means is decided here.
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

enum class PortFault { None, NoDevice, NotSerial, InUse, NoPermission, Other };

struct PortCause {
  PortFault fault = PortFault::None;
  int64_t pid = 0;     // the program that holds the port, when its lock file says
  std::string group;   // the group whose members may use the device, when one may
  std::string detail;  // the system's own words, when no other cause fits
};

// What the system says of a device as a serial port.
struct PortFacts {
  bool exists = true;
  bool characterDevice = true;
  bool readWrite = true;   // this user may read and write it
  int64_t lockOwner = 0;   // a living program other than this one with a lock file for it
  std::string group;       // the device's group, when its members may read and write it
  // A trial open, made only once the port itself has failed to open.
  bool tried = false;
  std::error_code openError;
  bool terminal = false;
};

// The first of the faults the facts show, or None when they show none.
PortCause CauseOf(const PortFacts&);
// "in use by another program (PID 4242)", in Chinese or English.
std::string CauseText(const PortCause&, bool english);
// A short fixed name for scripts: "no device", "not serial", "in use",
// "permission", "other".
std::string_view FaultName(PortFault);
