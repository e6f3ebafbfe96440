#pragma once
// The seams between the logic and the platform. Each has a Qt implementation
// for the windows and a fake for the tests; the logic sees only these.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/PortCause.h"

// One control of one window, named as in the design. The window's own
// caption is the control whose name is the window's name.
struct Control {
  std::string_view window, name, caption;
};

struct Controls {
  virtual ~Controls() = default;
  // Caption of a button, label, frame, check box or window; text of a text
  // box, label or combo box.
  virtual std::string Text(Control) = 0;
  virtual void SetText(Control, std::string_view) = 0;
  // Position of a slider or progress bar.
  virtual int Value(Control) = 0;
  virtual void SetValue(Control, int) = 0;
  // The range of a slider or progress bar.
  virtual void SetRange(Control, int minimum, int maximum) = 0;
  // Check boxes and option buttons.
  virtual bool Ticked(Control) = 0;
  virtual void SetTicked(Control, bool) = 0;
  // Selected entry of a list or combo box, -1 when none.
  virtual int Index(Control) = 0;
  virtual void SetIndex(Control, int) = 0;
  virtual std::vector<std::string> Entries(Control) = 0;
  virtual void SetEntries(Control, const std::vector<std::string>&) = 0;
  virtual bool Enabled(Control) = 0;
  virtual void SetEnabled(Control, bool) = 0;
  // A window shown or hidden; touching a window creates it.
  virtual bool Visible(Control) = 0;
  virtual void SetVisible(Control, bool) = 0;
  // Text colour as 0xBBGGRR (255 is red, 0 black).
  virtual void SetColour(Control, uint32_t) = 0;
};

struct SerialPort {
  virtual ~SerialPort() = default;
  // Which device each COMn stands for now (numbers 1 to 256; only a pinned
  // number goes above 32 where the platform does not number its ports).
  virtual std::map<int, std::string> Ports() = 0;
  // Whether COMn could be opened now, found without disturbing the device.
  virtual bool Probe(int number) = 0;
  // What the device behind COMn says of itself (a USB adapter's vendor and
  // product ID and serial number), as last listed; empty when it says nothing.
  virtual std::string Identity(int) { return {}; }
  // Opens a device (as Ports() named it) with a settings text such as
  // "38400,N,8,1"; the fault is None when it opened, else it says why not.
  virtual PortCause Open(const std::string& device, std::string_view settings) = 0;
  virtual bool SetSettings(std::string_view settings) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() = 0;
  virtual void Write(std::span<const uint8_t>) = 0;
  // The receive event: called with every batch of bytes that arrives.
  std::function<void(std::span<const uint8_t>)> Received;
  // The device went away under the open port (an adapter unplugged); the
  // port is closed by the time this is called.
  std::function<void()> Lost;
};

struct EventPump {
  virtual ~EventPump() = default;
  // Monotonic seconds: a wait never jumps at midnight.
  virtual double Now() = 0;
  // Runs events until condition holds or Now() reaches deadline; returns the
  // condition's last value. Must not spin while nothing happens.
  virtual bool WaitUntil(double deadline, const std::function<bool()>& condition) = 0;
  // Runs the events already waiting, without waiting for more, so a long
  // loop keeps the window live.
  virtual void Yield() = 0;
};

struct Dialogs {
  virtual ~Dialogs() = default;
  // Modal message with an OK button.
  virtual void MessageBox(std::string_view text) = 0;
  // Modal question with Yes and No; true for Yes. Where no one can answer,
  // the answer is No.
  virtual bool Confirm(std::string_view) { return false; }
  // A passing remark that must not stop the user (a status line).
  virtual void Notice(std::string_view text) = 0;
  // Clears the remark `text` if it is still the one shown.
  virtual void TakeBackNotice(std::string_view) {}
  // The open-file dialog; the filter is "Caption|*.a;*.b". Nothing when the
  // user cancels.
  virtual std::optional<std::string> OpenFile(std::string_view filter) = 0;
  // Plays a sound file from the program's folder; a missing file or a
  // machine without sound stays silent.
  virtual void Play(std::string_view file) = 0;
};

struct SettingsStore {
  virtual ~SettingsStore() = default;
  // Empty text for a key that does not exist.
  virtual std::string Get(std::string_view section, std::string_view key) = 0;
  virtual void Put(std::string_view section, std::string_view key, std::string_view value) = 0;
};
