#pragma once
// The controls seam over Qt widgets: a control is the widget whose objectName
// is its name inside the top-level window of its window name.
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/Platform.h"

struct QtControls : Controls {
  using Factory = std::function<QWidget*()>;
  // How a window is built; it is built the first time anything touches it.
  void Register(std::string_view window, Factory);
  // The window, built now if it does not exist yet; nullptr for an unknown name.
  QWidget* Window(std::string_view window);
  // The control's widget, or nullptr when its window has no such control.
  QWidget* Find(Control);

  std::string Text(Control) override;
  void SetText(Control, std::string_view) override;
  int Value(Control) override;
  void SetValue(Control, int) override;
  void SetRange(Control, int minimum, int maximum) override;
  bool Ticked(Control) override;
  void SetTicked(Control, bool) override;
  int Index(Control) override;
  void SetIndex(Control, int) override;
  std::vector<std::string> Entries(Control) override;
  void SetEntries(Control, const std::vector<std::string>&) override;
  bool Enabled(Control) override;
  void SetEnabled(Control, bool) override;
  bool Visible(Control) override;
  void SetVisible(Control, bool) override;
  void SetColour(Control, uint32_t) override;

 private:
  // As Find, but a missing control ends the program: it is a fault of a window.
  QWidget* At(Control);
  std::map<std::string, Factory, std::less<>> factories;
  std::map<std::string, std::unique_ptr<QWidget>, std::less<>> windows;
};
