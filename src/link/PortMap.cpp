#include "link/PortMap.h"

#include <algorithm>

#include "link/ComPort.h"

std::map<int, std::string> MapComPorts(const std::vector<std::string>& devices,
                                       const std::map<int, std::string>& pins) {
  std::map<int, std::string> ports;
  for (const auto& [n, path] : pins)
    if (n >= 1 && n <= HighestComNumber && !path.empty()) ports[n] = path;
  int n = 1;
  for (const auto& device : devices) {
    bool pinned = std::any_of(ports.begin(), ports.end(), [&](const auto& p) { return p.second == device; });
    if (pinned) continue;
    while (n <= ComPortCount && ports.count(n)) ++n;
    if (n > ComPortCount) break;
    ports[n] = device;
  }
  return ports;
}
