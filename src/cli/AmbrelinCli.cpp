// ambrelin-cli: the program's logic without windows, for production lines
// and scripts.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/MapControls.h"
#include "app/QtPlatform.h"
#include "fontgen/CharBorn.h"
#include "link/ComPort.h"
#include "link/PortMap.h"
#include "link/QtSerialPort.h"
#include "link/TxRx.h"

namespace {

constexpr const char* Usage =
    "usage: ambrelin-cli ports\n"
    "       ambrelin-cli pin COMn [DEVICE]\n"
    "       ambrelin-cli send --port COMn|DEVICE --address A [--type T] [--wait SECONDS] COMMAND-TEXT\n"
    "       ambrelin-cli font --display 7|14|16 --order LETTERS [--reverse] [--format uchar|ushort|asm]\n";

enum Exit { Ok = 0, Refused = 1, PortFailed = 2, BadUsage = 64 };

// Messages go to stderr; any of them means the command did not do its work.
struct CliDialogs : Dialogs {
  int messages = 0;
  void MessageBox(std::string_view text) override {
    ++messages;
    std::cerr << text << '\n';
  }
  void Notice(std::string_view text) override { std::cerr << text << '\n'; }
  // Files are named on the command line.
  std::optional<std::string> OpenFile(std::string_view) override { return std::nullopt; }
};

// A device named on the command line stands in as COM1 for this run only.
struct DevicePin : SettingsStore {
  std::string device;
  std::string Get(std::string_view section, std::string_view key) override {
    return section == PortPinSection && key == "COM1" ? device : std::string();
  }
  void Put(std::string_view, std::string_view, std::string_view) override {}
};

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

int Ports() {
  QtSettingsStore settings;
  QtSerialPort port(settings);
  for (const auto& [n, device] : port.Ports())
    std::cout << "COM" << n << '\t' << device << (port.Probe(n) ? "" : "\t(not available)") << '\n';
  return Ok;
}

int Pin(const std::vector<std::string>& args) {
  if (args.empty() || args.size() > 2 || !ComNumber(args[0])) return BadUsage;
  QtSettingsStore settings;
  settings.Put(PortPinSection, args[0], args.size() == 2 ? args[1] : "");
  return Ok;
}

int Send(const std::vector<std::string>& args) {
  std::string portText, address, type, command;
  bool haveAddress = false, haveType = false, haveCommand = false;
  double wait = 0.5;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    if (arg == "--port" && hasValue) {
      portText = args[++k];
    } else if (arg == "--address" && hasValue) {
      address = args[++k];
      haveAddress = true;
    } else if (arg == "--type" && hasValue) {
      type = args[++k];
      haveType = true;
    } else if (arg == "--wait" && hasValue) {
      wait = std::stod(args[++k]);
    } else if (!haveCommand && arg.rfind("--", 0) != 0) {
      command = arg;
      haveCommand = true;
    } else {
      return BadUsage;
    }
  }
  if (portText.empty() || !haveAddress || !haveCommand) return BadUsage;

  QtSettingsStore stored;
  DevicePin named;
  named.device = portText;
  const auto number = ComNumber(portText);
  QtSerialPort port(number ? static_cast<SettingsStore&>(stored) : named);
  QtEventPump pump;
  CliDialogs dialogs;
  MapControls controls;
  Ambrelin a{controls, port, pump, dialogs, stored, DataFolder()};
  // Every reply is shown, not only those a job would hold.
  port.Received = [&a](std::span<const uint8_t> bytes) {
    AppendReceived(a.link, bytes);
    do {
      ExtractFrame(a.link);
      if (!a.link.RxFrameReady) continue;
      a.link.RxFrameReady = false;
      std::cout << Hex(std::span(a.link.RxFrame).first(a.link.RxFrame[5] + 8u)) << std::endl;
    } while (a.link.RxFrameTaken && a.link.RxCount != 0);
  };

  if (!port.Open(number.value_or(1), "38400,N,8,1")) {
    std::cerr << "打开串口失败 ! " << portText << '\n';
    return PortFailed;
  }
  if (haveType)
    TxByHex2(a, type, address, command);
  else
    TxByHex(a, address, command);
  if (dialogs.messages) return Refused;
  pump.WaitUntil(pump.Now() + wait, [] { return false; });
  return Ok;
}

// The order boxes from box 0 on: a letter each, a blank or '-' for an empty box.
bool FillOrderBoxes(MapControls& controls, std::string_view order) {
  if (order.size() > OrderBoxes.size()) return false;
  for (size_t k = 0; k < order.size(); ++k) {
    const char c = order[k];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && c != ' ' && c != '-') return false;
    controls.SetText(OrderBoxes[k], letter ? std::string(1, c) : std::string());
  }
  return true;
}

// The window's "Born" over headless controls: the same text, CR LF included.
int Font(const std::vector<std::string>& args) {
  MapControls controls;
  bool haveDisplay = false, haveOrder = false;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    if (arg == "--display" && hasValue && !haveDisplay) {
      const std::string display = args[++k];
      if (display != "7" && display != "14" && display != "16") return BadUsage;
      controls.SetTicked(CharBornFormControls::CharOption7, display == "7");
      controls.SetTicked(CharBornFormControls::CharOption14, display == "14");
      controls.SetTicked(CharBornFormControls::CharOption16, display == "16");
      haveDisplay = true;
    } else if (arg == "--order" && hasValue && !haveOrder) {
      if (!FillOrderBoxes(controls, args[++k])) return BadUsage;
      haveOrder = true;
    } else if (arg == "--reverse") {
      controls.SetTicked(CharBornFormControls::CharCheckCode, true);
    } else if (arg == "--format" && hasValue) {
      const std::string format = args[++k];
      if (format != "uchar" && format != "ushort" && format != "asm") return BadUsage;
      controls.SetTicked(CharBornFormControls::CharOptionUchar, format == "uchar");
      controls.SetTicked(CharBornFormControls::CharOptionUshort, format == "ushort");
      controls.SetTicked(CharBornFormControls::CharOptionAsm, format == "asm");
    } else {
      return BadUsage;
    }
  }
  if (!haveDisplay || !haveOrder) return BadUsage;
  CharButtonBorn_Click(controls);
  std::cout << controls.Text(CharBornFormControls::CharTextCode) << std::flush;
  return Ok;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  std::vector<std::string> args(argv + 1, argv + argc);
  int result = BadUsage;
  if (!args.empty()) {
    const std::string verb = args.front();
    args.erase(args.begin());
    if (verb == "ports" && args.empty()) result = Ports();
    else if (verb == "pin") result = Pin(args);
    else if (verb == "send") result = Send(args);
    else if (verb == "font") result = Font(args);
  }
  if (result == BadUsage) std::cerr << Usage;
  return result;
}
