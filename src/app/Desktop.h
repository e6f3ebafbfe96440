#pragma once
// The main window's shell: start-up, shutdown, the info lists and the run log.
#include <string>

#include "app/Ambrelin.h"

// Start-up: language, burner captions, burn file name, the 30 debug boxes.
void DesktopForm_Load(Ambrelin&);
// Shutdown up to the end of the program: saves the settings. The caller ends
// the program right after.
void DesktopForm_Unload(Ambrelin&);
// Double-click on either info list: clears both and empties the run log.
void InfoList_DblClick(Ambrelin&);
std::string RunLogPath(const Ambrelin&);
