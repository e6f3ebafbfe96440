#include "app/QtPlatform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>

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

void QtEventPump::Yield() { QCoreApplication::processEvents(); }

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
