#pragma once
// Which device each COMn stands for on a machine without COM ports.
#include <map>
#include <string>
#include <vector>

// Settings section whose keys "COM1".."COM256" pin a number to a device path.
inline constexpr const char* PortPinSection = "Ports";

// Pinned numbers (up to 256) keep their path; the remaining devices, in the
// order given, take the lowest free numbers up to 32, whatever is pinned
// above. A pinned device is not listed twice.
std::map<int, std::string> MapComPorts(const std::vector<std::string>& devices,
                                       const std::map<int, std::string>& pins);
