#pragma once
// the HDMI window.
#include <QWidget>

#include "app/Ambrelin.h"

QWidget* NewHdmiForm(Ambrelin&);
