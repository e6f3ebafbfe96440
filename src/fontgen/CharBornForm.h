#pragma once
// The LED font generator window.
#include <QWidget>

#include "app/Ambrelin.h"

QWidget* NewCharBornForm(Ambrelin&);
