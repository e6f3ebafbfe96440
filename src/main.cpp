#include <QApplication>
#include <QCommandLineParser>
#include <cstdlib>

#include "app/QtDialogs.h"
#include "app/QtPlatform.h"
#include "app/StationFormControls.h"
#include "app/Windows.h"
#include "link/ComPort.h"
#include "link/QtSerialPort.h"

namespace {

// --help and --version (the man page is made from them) must work without the
// screen that the windows' application needs, so a core application answers
// them first. Other arguments are left to the windows' application, as ever.
void AnswerHelpOrVersion(int& argc, char** argv) {
  QCoreApplication shell(argc, argv);
  QCoreApplication::setApplicationVersion(AMBRELIN_VERSION);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "The service and production tool for the audio/video units, over one serial port:\n"
      "live control, debug commands, front-panel burning, the DSP flash download,\n"
      "HDMI register dumps and memory batches.");
  const QCommandLineOption help({"h", "help"}, "Print this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Print the version and exit.");
  const QCommandLineOption station("station", "Open the production station window too.");
  parser.addOptions({help, version, station});
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(help)) parser.showHelp();
  if (parser.isSet(version)) parser.showVersion();
}

}  // namespace

int main(int argc, char** argv) {
  AnswerHelpOrVersion(argc, argv);
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
  LogBurns(app);
  dialogs.showNotice = StatusLine(controls);

  RegisterWindows(controls, app);
  StartUp(app);
  // A station operator works in the station; everyone else at the burner.
  if (QApplication::arguments().contains("--station"))
    controls.SetVisible(StationFormControls::StationForm, true);
  else
    KeepBurnerInFront(controls);
  return QApplication::exec();
}
