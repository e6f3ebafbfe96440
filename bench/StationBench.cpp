// Eight fixtures in the production station against one burn of the same
// 16 KB image on the command line, wall time as the operator sees it. The
// units keep their wire time, so eight should take no longer than one (goal:
// within 1.05 x). A command-line gang of eight on the same units tells the
// station's own share from what eight processes cost the machine. Run with
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <map>

#include "PtyUnit.h"
#include "app/QtControls.h"
#include "app/QtPlatform.h"
#include "app/Station.h"
#include "app/StationForm.h"
#include "app/StationFormControls.h"
#include "app/Widgets.h"
#include "link/QtSerialPort.h"

namespace S = StationFormControls;

namespace {

constexpr int Fixtures = 8;

struct MemoryStore : SettingsStore {
  std::map<std::string, std::string, std::less<>> values;
  std::string Get(std::string_view section, std::string_view key) override {
    const auto it = values.find(std::string(section) + "/" + std::string(key));
    return it == values.end() ? std::string() : it->second;
  }
  void Put(std::string_view section, std::string_view key, std::string_view value) override {
    values[std::string(section) + "/" + std::string(key)] = value;
  }
};

// The tiles' state captions, once no fixture runs any more.
QStringList RunToEnd(QWidget* window) {
  const auto running = [window] {
    for (auto* button : window->findChildren<QPushButton*>(Qs(S::TileButtonStart.name)))
      if (button->text() != Qs(S::TileButtonStart.caption)) return true;
    return false;
  };
  // Looked at ten times a second, so the looking costs the window nothing.
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (!running()) loop.quit();
  });
  poll.start(100);
  loop.exec();
  QStringList states;
  for (auto* label : window->findChildren<QLabel*>(Qs(S::TileLabelState.name))) states << label->text();
  return states;
}

// Wall seconds of a command-line burn to its end; 0 when it failed.
double Burn(const std::vector<std::string>& args, QElapsedTimer& clock) {
  const int null = open("/dev/null", O_WRONLY);
  clock.restart();
  const pid_t cli = Spawn(AMBRELIN_CLI, args, null);
  close(null);
  int status = 0;
  waitpid(cli, &status, 0);
  const double wall = static_cast<double>(clock.elapsed()) / 1000;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? wall : 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const std::string image = HexImage(0x4000, "/tmp/ambrelin-station-bench.hex");

  // A 16 KB chip: its code ends at 3FFF.
  const std::vector<std::string> unitOptions{"--quiet", "--chip", "0001"};
  std::vector<PtyUnit> units;
  MemoryStore settings;
  StationSetup setup;
  std::vector<std::string> gang{"burn", "--target", "1", image};
  for (int n = 1; n <= Fixtures; ++n) {
    units.push_back(StartUnit(unitOptions));
    setup.fixtures.push_back({units.back().device, "Fixture " + std::to_string(n)});
    gang.insert(gang.begin() + 1, {"--port", units.back().device});
  }
  QElapsedTimer clock;
  const double one = Burn({"burn", "--port", units[0].device, "--target", "1", image}, clock);
  const double eightGang = Burn(gang, clock);
  if (one == 0 || eightGang == 0) {
    std::fprintf(stderr, "a command-line burn failed\n");
    return 1;
  }

  setup.image = image;
  SaveStation(settings, setup);
  QtSerialPort port(settings);
  QtEventPump pump;
  Quiet dialogs;
  QtControls controls;
  Ambrelin app{controls, port, pump, dialogs, settings, "/tmp"};
  controls.Register(S::StationForm.window, [&app] { return NewStationForm(app, AMBRELIN_CLI); });
  QWidget* window = controls.Window(S::StationForm.window);
  window->show();
  const double cpuBefore = CpuSeconds();
  clock.restart();
  qobject_cast<QPushButton*>(controls.Find(S::StationButtonStartAll))->click();
  const QStringList states = RunToEnd(window);
  const double eight = static_cast<double>(clock.elapsed()) / 1000;
  const double stationCpu = CpuSeconds() - cpuBefore;
  for (const PtyUnit& unit : units) StopUnit(unit);
  if (states.count("正确") != Fixtures) {
    std::fprintf(stderr, "not every fixture verified: %s\n", qPrintable(states.join(' ')));
    return 1;
  }
  std::printf("one burn:           %.2f s\n", one);
  std::printf("gang of eight:      %.2f s (%.3f x)\n", eightGang, eightGang / one);
  std::printf("station, eight:     %.2f s, the window's CPU %.2f s\n", eight, stationCpu);
  std::printf("ratio:              %.3f (goal: at most 1.05)\n", eight / one);
  return 0;
}
