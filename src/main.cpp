#include <QApplication>
#include <cstdlib>

#include "app/QtDialogs.h"
#include "app/QtPlatform.h"
#include "app/Windows.h"
#include "link/ComPort.h"
#include "link/QtSerialPort.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // The program ends through the shutdown alone, which saves the settings.
  QApplication::setQuitOnLastWindowClosed(false);

  QtSettingsStore settings;
  QtSerialPort port(settings);
  QtEventPump pump;
  QtDialogs dialogs;
  QtControls controls;
  // At once: no further event runs, and the platform releases the port.
  Ambrelin app{controls, port, pump, dialogs, settings, DataFolder(), [] { std::_Exit(0); }};
  ConnectPort(app);
  dialogs.showNotice = StatusLine(controls);

  RegisterWindows(controls, app);
  StartUp(app);
  return QApplication::exec();
}
