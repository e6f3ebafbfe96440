#pragma once
// Where each window comes from: every window is built the first time it is
// touched and kept until the program ends.
#include <QString>
#include <functional>

#include "app/Ambrelin.h"
#include "app/QtControls.h"

void RegisterWindows(QtControls&, Ambrelin&);
// The main window's load; the start-up window is shown once its load is done,
// and the burner window, which production staff use, stays in front.
void StartUp(Ambrelin&);
// A window manager maps the main window after the burner was raised and puts
// it in front: once the main window is on screen, the burner comes forward
// and takes the keyboard again. After StartUp, which shows both.
void KeepBurnerInFront(QtControls&);
// The burner window and the burn page write a line to the production log
// the settings name, for every target a burn is done with.
void LogBurns(Ambrelin&);
// Where the dialogs' notices go: the main window's status line.
std::function<void(const QString&)> StatusLine(QtControls&);
