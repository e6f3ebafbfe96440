#pragma once
// The audio decoder window.
#include <QWidget>

#include "app/Ambrelin.h"

QWidget* NewDecoderForm(Ambrelin&);
