#include "cli/Cli.h"

#include <cstdio>
#include <iostream>

#include "link/ComPort.h"
#include "link/PortMap.h"
#include "link/TxRx.h"

void CliDialogs::MessageBox(std::string_view text) {
  ++messages;
  std::cerr << text << '\n';
}

void CliDialogs::Notice(std::string_view text) { std::cerr << text << '\n'; }

std::string DevicePin::Get(std::string_view section, std::string_view key) {
  return section == PortPinSection && key == "COM1" ? device : std::string();
}

std::optional<int> ComNumber(std::string_view text) {
  if (text.substr(0, 3) != "COM" || text.size() < 4 || text.size() > 5) return std::nullopt;
  int n = 0;
  for (char c : text.substr(3)) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > ComPortCount) return std::nullopt;
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

CliSession::CliSession(const std::string& text)
    : portText(text),
      number(ComNumber(text)),
      port(number ? static_cast<SettingsStore&>(stored) : named),
      a{controls, port, pump, dialogs, stored, DataFolder()} {
  port.Received = [this](std::span<const uint8_t> bytes) { ReceiveEvent(a.link, bytes); };
  port.Lost = [this] { PortLost(a); };
}

bool CliSession::Open(std::string_view settings) {
  if (port.Open(number.value_or(1), settings)) return true;
  std::cerr << "打开串口失败 ! " << portText << '\n';
  return false;
}
