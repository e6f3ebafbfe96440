#include "cli/Cli.h"

#include <cstdio>
#include <iostream>

#include "app/Language.h"
#include "link/ComPort.h"
#include "link/PortMap.h"

void CliDialogs::MessageBox(std::string_view text) { std::cerr << text << '\n'; }

void CliDialogs::Notice(std::string_view text) { std::cerr << text << '\n'; }

std::string DevicePin::Get(std::string_view section, std::string_view key) {
  return section == PortPinSection && key == "COM1" ? device : std::string();
}

// A typing slip such as "COM12x" or "COM012" must not reach COM12.
std::optional<int> ComArgument(std::string_view text) {
  const auto n = ComNumber(text);
  if (!n || text != "COM" + std::to_string(*n)) return std::nullopt;
  return n;
}

std::string Hex(std::span<const uint8_t> bytes) {
  std::string text;
  char pair[4];
  for (uint8_t b : bytes) {
    std::snprintf(pair, sizeof pair, text.empty() ? "%02X" : " %02X", b);
    text += pair;
  }
  return text;
}

CliSession::CliSession(const std::string& text, bool english)
    : portText(text),
      number(ComArgument(text)),
      port(number ? static_cast<SettingsStore&>(stored) : named),
      a{controls, port, pump, dialogs, stored, DataFolder()} {
  ConnectPort(a);
  a.Language = english ? 1 : 0;
}

// Known once the port has been opened: opening lists the ports.
std::string CliSession::Adapter() { return port.Identity(number.value_or(1)); }

bool CliSession::Open(std::string_view settings) {
  const auto ports = port.Ports();
  const auto it = ports.find(number.value_or(1));
  device = it == ports.end() ? std::string() : it->second;
  cause = device.empty() ? PortCause{PortFault::NoDevice} : port.Open(device, settings);
  if (cause.fault == PortFault::None) return true;
  std::cerr << OpenFailedText(a, device.empty() ? portText : device, cause) << '\n';
  return false;
}
