// Verbs of the serial link: the ports, their pins, one frame out.
#include <cstdlib>
#include <iostream>

#include "cli/Cli.h"
#include "link/ComPort.h"
#include "link/DeviceCheck.h"
#include "link/PortMap.h"
#include "link/TxRx.h"

int Ports(Parsed& p) {
  if (!p.Positional().empty()) return p.Usage("takes no arguments");
  QtSettingsStore settings;
  QtSerialPort port(settings);
  for (const auto& [n, device] : port.Ports()) {
    const PortCause cause = CauseOf(CheckDevice(device, false));
    std::cout << "COM" << n << '\t' << device << '\t' << port.Identity(n)
              << (cause.fault == PortFault::None ? "" : "\t(" + CauseText(cause, true) + ")") << '\n';
  }
  return ExitOk;
}

int Pin(Parsed& p) {
  const auto args = p.Positional();
  if (args.empty() || args.size() > 2) return p.Usage("COMn and at most one device");
  if (!ComArgument(args[0])) return p.Usage("'" + args[0] + "' is not COM1 to COM" + std::to_string(HighestComNumber));
  QtSettingsStore settings;
  settings.Put(PortPinSection, args[0], args.size() == 2 ? args[1] : "");
  return ExitOk;
}

int Send(Parsed& p) {
  if (!p.Set("port")) return p.Usage("--port is required");
  if (!p.Set("address")) return p.Usage("--address is required");
  const auto command = p.Positional();
  if (command.size() != 1) return p.Usage("one command text, in quotes if it has blanks");
  char* end = nullptr;
  const std::string waitText = p.Value("wait");
  const double wait = std::strtod(waitText.c_str(), &end);
  if (*end != '\0' || end == waitText.c_str() || !(wait >= 0)) return p.Usage("--wait must be a number of seconds");

  CliSession session(p.Value("port"), p.English());
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

  if (!session.Open("38400,N,8,1")) return ExitPort;
  const std::string address = p.Value("address");
  const bool sent = p.Set("type") ? TxByHex2(a, p.Value("type"), address, command[0]) : TxByHex(a, address, command[0]);
  if (!sent) return ExitFailed;
  a.pump.WaitUntil(a.pump.Now() + wait, [&a] { return !a.port.IsOpen(); });
  // A port that went away during the wait has taken the replies with it.
  return a.port.IsOpen() ? ExitOk : ExitPortLost;
}
