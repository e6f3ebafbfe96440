#pragma once
// The simplified burner window and its about box.
#include <QWidget>

#include "app/Ambrelin.h"

// Shows itself and hides the main window as it is built.
QWidget* NewBurnDesktop(Ambrelin&);
QWidget* NewBurnAbout(Ambrelin&);
