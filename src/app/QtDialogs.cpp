#include "app/QtDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <iostream>

#include "app/Widgets.h"

namespace {
constexpr int SoundLifetimeMs = 10000;
}  // namespace

void QtDialogs::MessageBox(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vell"), Qs(text), QMessageBox::Ok, parent);
  box.exec();
}

bool QtDialogs::Confirm(std::string_view text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Vell"), Qs(text), QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void QtDialogs::Notice(std::string_view text) {
  shown = text;
  if (showNotice)
    showNotice(Qs(text));
  else
    std::cerr << text << '\n';
}

// A line on stderr stays where it is.
void QtDialogs::TakeBackNotice(std::string_view text) {
  if (shown != text) return;
  shown.clear();
  if (showNotice) showNotice(QString());
}

// Patterns match in any letter case, as they do where the files come from.
std::optional<std::string> QtDialogs::OpenFile(std::string_view filter) {
  const QStringList parts = Qs(filter).split('|');
  const QString patterns = parts.value(1).split(';').join(' ');
  QFileDialog dialog(parent, QString(), QString(), parts.value(0) + " (" + patterns + ")");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void QtDialogs::Play(std::string_view file) {
  const QString path = QCoreApplication::applicationDirPath() + '/' + Qs(file);
  if (!QFileInfo::exists(path)) return;
  // A sound lets itself go after a while; where there is no audio device it
  // never reports the end of its playing, so nothing waits for that.
  auto* sound = new QSoundEffect(QCoreApplication::instance());
  QTimer::singleShot(SoundLifetimeMs, sound, &QObject::deleteLater);
  sound->setSource(QUrl::fromLocalFile(path));
  sound->play();
}
