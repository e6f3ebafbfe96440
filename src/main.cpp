#include <QApplication>
#include <cstdlib>

#include "app/DesktopForm.h"
#include "app/QtPlatform.h"
#include "app/Windows.h"
#include "link/ComPort.h"
#include "link/QtSerialPort.h"
#include "link/TxRx.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // The program ends through the shutdown alone, which saves the settings.
  QApplication::setQuitOnLastWindowClosed(false);

  QtSettingsStore settings;
  QtSerialPort port(settings);
  QtEventPump pump;
  QtDialogs dialogs;
  QtControls controls;
  Ambrelin app{controls, port, pump, dialogs, settings, DataFolder()};
  port.Received = [&app](std::span<const uint8_t> bytes) { ReceiveEvent(app.link, bytes); };
  port.Lost = [&app] { PortLost(app); };
  dialogs.showNotice = StatusLine(controls);
  // At once: no further event runs, and the platform releases the port.
  EndProgram = [] { std::_Exit(0); };

  RegisterWindows(controls, app);
  StartUp(app);
  return QApplication::exec();
}
