// Verbs of the serial link: the ports, their pins, one frame out.
#include <cstdlib>
#include <iostream>

#include "cli/Cli.h"
#include "link/PortMap.h"
#include "link/TxRx.h"

int Ports(const Arguments& args) {
  if (!args.empty()) return BadUsage;
  QtSettingsStore settings;
  QtSerialPort port(settings);
  for (const auto& [n, device] : port.Ports())
    std::cout << "COM" << n << '\t' << device << '\t' << port.Identity(n) << (port.Probe(n) ? "" : "\t(not available)")
              << '\n';
  return Ok;
}

int Pin(const Arguments& args) {
  if (args.empty() || args.size() > 2 || !ComArgument(args[0])) return BadUsage;
  QtSettingsStore settings;
  settings.Put(PortPinSection, args[0], args.size() == 2 ? args[1] : "");
  return Ok;
}

int Send(const Arguments& args) {
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
      char* end = nullptr;
      wait = std::strtod(args[++k].c_str(), &end);
      if (*end != '\0' || end == args[k].c_str() || !(wait >= 0)) return BadUsage;
    } else if (!haveCommand && arg.rfind("--", 0) != 0) {
      command = arg;
      haveCommand = true;
    } else {
      return BadUsage;
    }
  }
  if (portText.empty() || !haveAddress || !haveCommand) return BadUsage;

  CliSession session(portText);
  Ambrelin& a = session.a;
  // Every reply is shown, not only those a job would hold: this receive path
  // stands in for the connected one, and a lost port stays connected.
  session.port.Received = [&a](std::span<const uint8_t> bytes) {
    AppendReceived(a.link, bytes);
    do {
      ExtractFrame(a.link);
      if (!a.link.RxFrameReady) continue;
      a.link.RxFrameReady = false;
      std::cout << Hex(std::span(a.link.RxFrame).first(a.link.RxFrame[5] + 8u)) << std::endl;
    } while (a.link.RxFrameTaken && a.link.RxCount != 0);
  };

  if (!session.Open("38400,N,8,1")) return PortFailed;
  const bool sent = haveType ? TxByHex2(a, type, address, command) : TxByHex(a, address, command);
  if (!sent) return Refused;
  a.pump.WaitUntil(a.pump.Now() + wait, [&a] { return !a.port.IsOpen(); });
  // A port that went away during the wait has taken the replies with it.
  return a.port.IsOpen() ? Ok : Refused;
}

