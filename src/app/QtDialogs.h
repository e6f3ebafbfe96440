#pragma once
// The Qt side of the dialogs seam: message boxes, the file dialog and sounds.
#include <QWidget>
#include <functional>
#include <string>

#include "app/Platform.h"

struct QtDialogs : Dialogs {
  // Parent of the message boxes; none in a headless program.
  QWidget* parent = nullptr;
  // Where a notice goes (the main window's status line); stderr when unset.
  std::function<void(const QString&)> showNotice;
  // The notice last shown there, until it is taken back.
  std::string shown;
  void MessageBox(std::string_view text) override;
  bool Confirm(std::string_view text) override;
  void Notice(std::string_view text) override;
  void TakeBackNotice(std::string_view text) override;
  std::optional<std::string> OpenFile(std::string_view filter) override;
  void Play(std::string_view file) override;
};
