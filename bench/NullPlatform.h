#pragma once
// Seams that do nothing, so a benchmark measures the logic alone.
#include <map>
#include <optional>
#include <string>

#include "app/Platform.h"

struct CountingPort : SerialPort {
  size_t bytes = 0;
  std::map<int, std::string> Ports() override { return {}; }
  bool Probe(int) override { return false; }
  PortCause Open(const std::string&, std::string_view) override { return {}; }
  bool SetSettings(std::string_view) override { return true; }
  void Close() override {}
  bool IsOpen() override { return true; }
  void Write(std::span<const uint8_t> frame) override { bytes += frame.size(); }
};

struct NoDialogs : Dialogs {
  void MessageBox(std::string_view) override {}
  void Notice(std::string_view) override {}
  std::optional<std::string> OpenFile(std::string_view) override { return std::nullopt; }
  void Play(std::string_view) override {}
};

struct NoSettings : SettingsStore {
  std::string Get(std::string_view, std::string_view) override { return {}; }
  void Put(std::string_view, std::string_view, std::string_view) override {}
};

struct NoPump : EventPump {
  double Now() override { return 0; }
  bool WaitUntil(double, const std::function<bool()>& condition) override { return condition(); }
  void Yield() override {}
};

#include "app/Ambrelin.h"
#include "app/MapControls.h"

// The logic over the null seams.
struct NullApp {
  MapControls controls;
  CountingPort port;
  NoPump pump;
  NoDialogs dialogs;
  NoSettings settings;
  Ambrelin a{controls, port, pump, dialogs, settings, ""};
};
