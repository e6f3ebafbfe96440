#pragma once
// The main window: the port controls, the ten pages and a status line.
#include <QWidget>

#include "app/Ambrelin.h"

QWidget* NewDesktopForm(Ambrelin&);

// The notification-area icon's click: hides a shown main window, shows a
// hidden one, at normal size either way.
void ToggleDesktopForm(QWidget* desktopForm);
// Closing the main window, double-clicking its picture or the burner's exit.
void Shutdown(Ambrelin&);
// A passing remark on the main window's status line.
void ShowNotice(QWidget* desktopForm, const QString& text);
