#pragma once
// Choosing, opening and closing the one serial port, mirrored on the burner window.
#include <optional>
#include <string>
#include <string_view>

#include "app/Ambrelin.h"

inline constexpr int ComPortCount = 32;
// What the user is told when the chosen port will not open.
inline constexpr std::string_view OpenFailedChinese = "打开串口失败 !", OpenFailedEnglish = "Can not open the port !";
// That message, then the port and its cause: "Can not open the port !
// /dev/ttyUSB0: in use by another program (PID 4242)".
std::string OpenFailedText(const Ambrelin&, std::string_view port, const PortCause&);

// "COM" and the number in the one or two characters after it: "COM3" and the
// list entry "COM3 (/dev/ttyUSB0)" give 3, "COM12" 12; nothing without a digit.
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
