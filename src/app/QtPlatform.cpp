#include "app/QtPlatform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>
#include <iostream>

namespace {
constexpr int SoundLifetimeMs = 10000;

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

void QtDialogs::MessageBox(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vell"), FromUtf8(text), QMessageBox::Ok, parent);
  box.exec();
}

void QtDialogs::Notice(std::string_view text) {
  if (showNotice)
    showNotice(FromUtf8(text));
  else
    std::cerr << text << '\n';
}

// Patterns match in any letter case, as they do where the files come from.
std::optional<std::string> QtDialogs::OpenFile(std::string_view filter) {
  const QStringList parts = FromUtf8(filter).split('|');
  const QString patterns = parts.value(1).split(';').join(' ');
  QFileDialog dialog(parent, QString(), QString(), parts.value(0) + " (" + patterns + ")");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void QtDialogs::Play(std::string_view file) {
  const QString path = QCoreApplication::applicationDirPath() + '/' + FromUtf8(file);
  if (!QFileInfo::exists(path)) return;
  // A sound lets itself go after a while; where there is no audio device it
  // never reports the end of its playing, so nothing waits for that.
  auto* sound = new QSoundEffect(QCoreApplication::instance());
  QTimer::singleShot(SoundLifetimeMs, sound, &QObject::deleteLater);
  sound->setSource(QUrl::fromLocalFile(path));
  sound->play();
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
