#pragma once
// Choosing, opening and closing the one serial port, mirrored on the burner window.
#include "app/Ambrelin.h"

inline constexpr int ComPortCount = 32;

void DesktopSelectComPort_DropDown(Ambrelin&);
void DesktopButtonSelectComSwitch_Click(Ambrelin&);
// The device went away under the open port: both windows show it closed, and
// the user is told.
void PortLost(Ambrelin&);
// The burner window's port choice: its text becomes the main window's.
void BurnDesktopSelectComPort_Click(Ambrelin&);
