#pragma once
// Choosing, opening and closing the one serial port, mirrored on the burner window.
#include <optional>
#include <string>
#include <string_view>

#include "app/Ambrelin.h"

// Windows numbers its ports up to COM256, and USB adapters often get numbers
// above 32; a pin may take any of them.
inline constexpr int HighestComNumber = 256;
// The design's port list, COM1 to COM32: the numbers the machine's devices
// take by themselves where the platform does not number them.
inline constexpr int ComPortCount = 32;
// What the user is told when the chosen port will not open.
inline constexpr std::string_view OpenFailedChinese = "打开串口失败 !", OpenFailedEnglish = "Can not open the port !";
// That message, then the port and its cause: "Can not open the port !
// /dev/ttyUSB0: in use by another program (PID 4242)".
std::string OpenFailedText(const Ambrelin&, std::string_view port, const PortCause&);

// "COM" and the number in the one to three digits after it: "COM3" gives 3,
// the list entry "COM120 (/dev/ttyUSB0)" 120; nothing without a digit, for
// four digits, or outside 1 to HighestComNumber.
std::optional<int> ComNumber(std::string_view text);
// The port's receive event feeds the receive path and its loss shows the port
// closed: the one wiring of a port to the program.
void ConnectPort(Ambrelin&);

void DesktopSelectComPort_DropDown(Ambrelin&);
void DesktopButtonSelectComSwitch_Click(Ambrelin&);
// The device went away under the open port: both windows show it closed, and
// the user is told.
void PortLost(Ambrelin&);
// The burner window's port choice: its text becomes the main window's.
void BurnDesktopSelectComPort_Click(Ambrelin&);
