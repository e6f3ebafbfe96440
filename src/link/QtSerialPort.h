#pragma once
// The serial port seam over QSerialPort, on the GUI thread, asynchronous.
#include <QSerialPort>

#include "app/Platform.h"

struct QtSerialPort : SerialPort {
  // COMn pins are read from this store on every listing.
  explicit QtSerialPort(SettingsStore& pins);
  std::map<int, std::string> Ports() override;
  bool Probe(int number) override;
  std::string Identity(int number) override;
  PortCause Open(const std::string& device, std::string_view settings) override;
  bool SetSettings(std::string_view settings) override;
  void Close() override;
  bool IsOpen() override;
  void Write(std::span<const uint8_t>) override;

  SettingsStore& pins;
  QSerialPort port;
  std::map<int, std::string> ports;       // as last listed
  std::map<int, std::string> identities;  // of the USB adapters among them
};
