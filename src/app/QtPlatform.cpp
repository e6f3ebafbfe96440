#include "app/QtPlatform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>
#include <ctime>

namespace {
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

double QtEventPump::Now() { return static_cast<double>(clock.nsecsElapsed()) / 1e9; }

bool QtEventPump::WaitUntil(double deadline, const std::function<bool()>& condition) {
  QEventLoop loop;
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  while (!condition()) {
    const double left = deadline - Now();
    if (left <= 0) return condition();
    // The timer only wakes the loop at the deadline; any other event wakes it
    // sooner and the condition is tested again.
    wake.start(static_cast<int>(std::ceil(std::min(left, 3600.0) * 1000)));
    loop.processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// A loader yields after every line; a hundred times a second keeps the window
// live, and asking the event loop for each of thousands of lines costs more
// than the load.
void QtEventPump::Yield() {
  constexpr double Interval = 0.01;
  if (Now() - lastYield < Interval) return;
  QCoreApplication::processEvents();
  lastYield = Now();
}

std::string QtSettingsStore::Get(std::string_view section, std::string_view key) {
  return store.value(FromUtf8(section) + '/' + FromUtf8(key), QString()).toString().toStdString();
}

void QtSettingsStore::Put(std::string_view section, std::string_view key, std::string_view value) {
  store.setValue(FromUtf8(section) + '/' + FromUtf8(key), FromUtf8(value));
  // The program ends at once after saving; nothing later would write the file.
  store.sync();
}

std::string DataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/VellDebuger";
}

bool AppendLine(const std::string& path, std::string_view line) {
  QLockFile lock(QString::fromStdString(path + ".lock"));
  if (!lock.lock()) return false;
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  const QByteArray bytes = QByteArray(line.data(), static_cast<qsizetype>(line.size())) + '\n';
  return file.write(bytes) == bytes.size() && file.flush();
}

bool CanAppend(const std::string& path) {
  // The lock file beside it must be possible too.
  QLockFile lock(QString::fromStdString(path + ".lock"));
  if (!lock.lock()) return false;
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

std::string HostName() { return QSysInfo::machineHostName().toStdString(); }

std::string FileSha256(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (path.empty() || !file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return hash.result().toHex().toStdString();
}

ProductionRecord BurnRecord(const BurnOutcome& outcome, const std::string& port, const std::string& adapter) {
  return {std::time(nullptr), HostName(), port, adapter, outcome, FileSha256(outcome.image)};
}
