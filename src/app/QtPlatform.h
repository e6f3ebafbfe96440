#pragma once
// The Qt side of the event pump, dialogs and settings seams.
#include <QElapsedTimer>
#include <QSettings>
#include <QWidget>

#include "app/Platform.h"

// Waits in a nested event loop: receive events, clicks and timers run, and
// the condition is tested after each batch of events, so the wait ends the
// moment it holds and sleeps while nothing happens.
struct QtEventPump : EventPump {
  QElapsedTimer clock;
  QtEventPump() { clock.start(); }
  double Now() override;
  bool WaitUntil(double deadline, const std::function<bool()>& condition) override;
  void Yield() override;
};

struct QtDialogs : Dialogs {
  // Parent of the message boxes; none in a headless program.
  QWidget* parent = nullptr;
  // Where a notice goes (the main window's status line); stderr when unset.
  std::function<void(const QString&)> showNotice;
  void MessageBox(std::string_view text) override;
  void Notice(std::string_view text) override;
  std::optional<std::string> OpenFile(std::string_view filter) override;
  void Play(std::string_view file) override;
};

// Application "VellDebuger": an ini file in the user's configuration folder.
struct QtSettingsStore : SettingsStore {
  QSettings store{QSettings::IniFormat, QSettings::UserScope, "VellDebuger", "VellDebuger"};
  std::string Get(std::string_view section, std::string_view key) override;
  void Put(std::string_view section, std::string_view key, std::string_view value) override;
};

// The folder that holds the run-log file and other fixed-name files.
std::string DataFolder();
