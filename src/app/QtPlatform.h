#pragma once
// The Qt side of the event pump and settings seams: Qt Core only, so a
// program without a screen can use them.
#include <QElapsedTimer>
#include <QSettings>

#include "app/Platform.h"
#include "burner/ProductionLog.h"

// Waits in a nested event loop: receive events, clicks and timers run, and
// the condition is tested after each batch of events, so the wait ends the
// moment it holds and sleeps while nothing happens.
struct QtEventPump : EventPump {
  QElapsedTimer clock;
  double lastYield = -1;
  QtEventPump() { clock.start(); }
  double Now() override;
  bool WaitUntil(double deadline, const std::function<bool()>& condition) override;
  void Yield() override;
};

// Application "VellDebuger": an ini file in the user's configuration folder.
struct QtSettingsStore : SettingsStore {
  QSettings store{QSettings::IniFormat, QSettings::UserScope, "VellDebuger", "VellDebuger"};
  std::string Get(std::string_view section, std::string_view key) override;
  void Put(std::string_view section, std::string_view key, std::string_view value) override;
};

// The folder that holds the run-log file and other fixed-name files.
std::string DataFolder();

// Appends one line to a file that other programs may be appending to at the
// same moment: under a lock file beside it, in one write. False when it
// cannot be written.
bool AppendLine(const std::string& path, std::string_view line);
// Whether AppendLine could write to the file now; creates it when missing.
bool CanAppend(const std::string& path);
std::string HostName();
// The file's SHA-256 in lower-case hex; empty when it cannot be read.
std::string FileSha256(const std::string& path);
// The production log's record of a target a burn is done with, as the
// windows and the command line both write it: now, this machine, the port as
// named and its adapter, and the SHA-256 of the image file named.
ProductionRecord BurnRecord(const BurnOutcome&, const std::string& port, const std::string& adapter,
                            const ProductionWho& = {});
// A DSP download's record, the same head: its result is the caller's to fill.
DownloadRecord DspDownloadRecord(const std::string& image, const std::string& port, const std::string& adapter,
                                 const ProductionWho& = {});
