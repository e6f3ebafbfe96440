// The memory the real windows hold: resident size and its high-water mark
// once the program has started and idled, and again after a 64 KB burn
// against ambrelin-unit through the window's own port switch and burn button.
// Run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

#include "PtyUnit.h"
#include "app/DesktopFormControls.h"
#include "app/QtControls.h"
#include "app/QtPlatform.h"
#include "app/Windows.h"
#include "link/ComPort.h"
#include "link/QtSerialPort.h"

namespace Main = DesktopFormControls;

namespace {

// Both from one reading of /proc/self/status, so the high-water mark is never
// below the resident size.
void PrintMemory(const char* when) {
  std::ifstream status("/proc/self/status");
  long rss = -1, hwm = -1;
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) rss = std::stol(line.substr(6));
    if (line.starts_with("VmHWM:")) hwm = std::stol(line.substr(6));
  }
  std::printf("%-14s VmRSS %7ld kB   VmHWM %7ld kB\n", when, rss, hwm);
}

void Click(QtControls& controls, Control button) { qobject_cast<QPushButton*>(controls.Find(button))->click(); }

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  PinStore settings;
  QtSerialPort port(settings);
  QtEventPump pump;
  Quiet dialogs;
  QtControls controls;
  Ambrelin app{controls, port, pump, dialogs, settings, "/tmp"};
  ConnectPort(app);

  RegisterWindows(controls, app);
  StartUp(app);
  // Leaves the loop without closing the windows, which would shut the program down.
  QTimer::singleShot(2000, &qt, [] { QCoreApplication::exit(0); });
  QApplication::exec();
  PrintMemory("idle window");

  const std::string image = HexImage();
  const PtyUnit unit = StartUnit({"--quiet", "--chip", "0003"});
  settings.device = unit.device;
  controls.SetText(Main::DesktopSelectComPort, "COM1");
  Click(controls, Main::DesktopButtonSelectComSwitch);
  controls.SetIndex(Main::UpdateSelectTarget, 0);
  controls.SetText(Main::UpdateTextFileName, image);
  // The burn runs inside the click.
  Click(controls, Main::UpdateButtonUpdate);
  std::printf("burn state %s\n", controls.Text(Main::UpdateLabelBurnState).c_str());
  PrintMemory("during a burn");

  Click(controls, Main::DesktopButtonSelectComSwitch);
  StopUnit(unit);
  return 0;
}
