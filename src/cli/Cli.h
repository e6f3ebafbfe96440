#pragma once
// What the verbs of ambrelin-cli share: exit codes, messages on stderr, and
// the program's logic over a port named on the command line.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/Ambrelin.h"
#include "app/MapControls.h"
#include "app/QtPlatform.h"
#include "link/QtSerialPort.h"

enum Exit { Ok = 0, Refused = 1, PortFailed = 2, BadUsage = 64 };

// Messages go to stderr; what a verb did is its outcome's to say.
struct CliDialogs : Dialogs {
  void MessageBox(std::string_view text) override;
  void Notice(std::string_view text) override;
  // Files are named on the command line.
  std::optional<std::string> OpenFile(std::string_view) override { return std::nullopt; }
  void Play(std::string_view) override {}
};

// A device named on the command line stands in as COM1 for this run only.
struct DevicePin : SettingsStore {
  explicit DevicePin(std::string path) : device(std::move(path)) {}
  std::string device;
  std::string Get(std::string_view section, std::string_view key) override;
  void Put(std::string_view, std::string_view, std::string_view) override {}
};

// The port an argument names when all of it is "COMn", n from 1 to 32; any
// other text is a device.
std::optional<int> ComArgument(std::string_view text);
// Bytes as upper-case hex pairs separated by blanks.
std::string Hex(std::span<const uint8_t> bytes);

// The logic over "COMn" or a device path, headless, its port connected.
struct CliSession {
  explicit CliSession(const std::string& portText);
  // Opens the port; says why on stderr when it cannot.
  bool Open(std::string_view settings);

  std::string portText;
  std::optional<int> number;
  QtSettingsStore stored;
  DevicePin named{portText};
  QtSerialPort port;
  QtEventPump pump;
  CliDialogs dialogs;
  MapControls controls;
  Ambrelin a;
};

using Arguments = std::vector<std::string>;
int Ports(const Arguments&);
int Pin(const Arguments&);
int Send(const Arguments&);
int Font(const Arguments&);
int Image(const Arguments&);
int Hex2Tot(const Arguments&);
int Dump(const Arguments&);
int Burn(const Arguments&);
int Restart(const Arguments&);
int HdmiDump(const Arguments&);
int Batch(const Arguments&);
int DspDownload(const Arguments&);
