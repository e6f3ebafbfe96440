#pragma once
// The burner window holds no logic of its own: its buttons run the main
// window's handlers and its options are copied to the main window's controls
// of the same names, which are the ones the burn reads.
#include <string>

#include "app/Ambrelin.h"

// The main window's control of the same name.
Control TwinOf(Control burnerControl);
// A check box or option button of the burner window clicked. "怀旧版" is read
// on the burner window itself and is not copied.
void BurnDesktopTick_Click(Ambrelin&, Control burnerControl);
void BurnDesktopSelectTarget_Click(Ambrelin&);
void BurnDesktopTextTrig_Change(Ambrelin&);
// The file boxes of both windows follow each other as they are typed in, so
// the burner window shows the file the burn reads from the main window.
void BurnDesktopTextFileName_Change(Ambrelin&);
void UpdateTextFileName_Change(Ambrelin&);
// The help text of the current language, lines joined by CR LF.
std::string HelpText(const Ambrelin&);
void DesktopButtonHelp_Click(Ambrelin&);
// The main window's one-second timer: the about box's version line.
void SysTimer1_Timer(Ambrelin&);
