#pragma once
// The info window: one list, emptied by a double-click.
#include <QWidget>

#include "app/Ambrelin.h"

QWidget* NewInfoForm(Ambrelin&);
