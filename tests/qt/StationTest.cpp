// The production station offscreen: its tiles read from machine lines, its
// settings, its yield chart, and the window driving real ambrelin-cli
// processes against simulated units on pseudo-terminals.
#include <QAbstractButton>
#include <QtTest>
#include <csignal>
#include <fstream>

#include "Fakes.h"
#include "qt/WidgetInput.h"
#include "app/ChildProcess.h"
#include "app/QtControls.h"
#include "app/Station.h"
#include "app/StationForm.h"
#include "app/StationFormControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "app/YieldChart.h"
#include "e2e/RunCli.h"
#include "sim/VirtualLink.h"

namespace S = StationFormControls;

namespace {

// The station of one program, its fixtures run by the ambrelin-cli built beside the tests.
struct StationRig {
  QtControls controls;
  VirtualLink link;
  RecordedDialogs dialogs;
  MapSettings settings;
  Ambrelin app{controls, link.port, link.pump, dialogs, settings, QDir::tempPath().toStdString(), [] {}};

  StationRig() {
    RegisterWindows(controls, app);
    controls.Register(S::StationForm.window, [this] { return NewStationForm(app, AMBRELIN_CLI); });
  }
  template <typename W>
  W* Get(Control c) {
    return ::Get<W>(controls, c);
  }
  QWidget* Tile(int n) { return controls.Window(S::StationForm.window)->findChild<QWidget*>(QString("StationTile%1").arg(n)); }
  template <typename W>
  W* InTile(int n, Control c) {
    return Tile(n)->findChild<W*>(Qs(c.name));
  }
  QString State(int n) { return InTile<QLabel>(n, S::TileLabelState)->text(); }
  QColor Colour(int n) { return InTile<QLabel>(n, S::TileLabelState)->palette().color(QPalette::Window); }
  bool Running(int n) { return InTile<QPushButton>(n, S::TileButtonStart)->text() == "停止"; }
};

void Feed(TileView& t, std::initializer_list<const char*> lines) {
  for (const char* line : lines) TileLine(t, line);
}
// A new run of the tile's process, with the lines it wrote.
void Run(TileView& t, std::initializer_list<const char*> lines) {
  TileStarted(t);
  Feed(t, lines);
}

// A log line of the fields the chart needs; reading every field is the yield's own test.
std::string ChartLine(const char* hour, const char* result, const char* port) {
  return std::string(R"({"time":"2026-12-07T)") + hour + R"(:05:00+01:00","port":")" + port +
         R"(","target":1,"chip_id":"0x0101","result":")" + result + "\"}\n";
}

// Pixels of this colour in the widget as it paints itself.
int Pixels(YieldChart& chart, const QColor& colour) {
  const QImage image = chart.grab().toImage();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
  return n;
}

constexpr const char* Searching = R"({"phase":"searching","done":0,"address":"0x0000","errors":0})";
constexpr const char* Programming = R"({"phase":"programming","done":0.5,"address":"0x8000","errors":2})";
constexpr const char* Verified =
    R"({"unit":{"time":"2026-12-07T09:30:12+01:00","port":"/dev/ttyUSB0","chip_id":"0x0003","chip":"Philips P89V51RD","result":"verified","verify_sum":"0x0F16","errors":2}})";
constexpr const char* Lost =
    R"({"unit":{"time":"2026-12-07T09:31:40+01:00","port":"/dev/ttyUSB0","chip_id":"0x0003","chip":"Philips P89V51RD","result":"port lost","errors":0}})";

}  // namespace

class StationTest : public QObject {
  Q_OBJECT

 private slots:
  void tileFollowsItsProcess() {
    TileView t;
    Run(t, {Searching});
    QCOMPARE(t.state, TileState::NoUnit);
    Feed(t, {Programming});
    QCOMPARE(std::tuple(t.state, t.percent, t.errors), std::tuple(TileState::Burning, 50, 2));
    Feed(t, {Verified, Searching});
    // The good unit stays green while the next is searched for.
    QCOMPARE(std::tie(t.chip, t.verifySum, t.lastUnit), std::tuple("0x0003 Philips P89V51RD", "0x0F16", "09:30:12"));
    QCOMPARE(t.state, TileState::Good);
    Feed(t, {Programming, Lost, R"({"what":"burn /dev/ttyUSB0","result":"port lost","exit":7})"});
    QCOMPARE(std::tie(t.state, t.verifySum), std::tuple(TileState::Failed, ""));
    QCOMPARE(std::pair(t.good, t.failed), std::pair(1, 1));
    TileEnded(t, false);
    QVERIFY(!t.running);
    QCOMPARE(t.state, TileState::Failed);

    // Runs that touched no unit end as their summary says; a process that
    // dies says nothing of its unit, and the tile is not left green; one
    // stopped before it took the signal as its stop touched nothing.
    constexpr const char* Stopped = R"({"what":"burn P","result":"stopped","exit":130})";
    enum End { Running, Exited, Crashed, Stop };
    const struct {
      std::vector<const char*> lines;
      End end;
      TileState state;
    } runs[] = {
        {{R"({"what":"burn P","result":"cannot open","exit":2})"}, Running, TileState::Failed},
        {{Searching, Stopped}, Exited, TileState::Idle},
        {{Searching, R"({"what":"burn P","result":"not found","exit":3})"}, Running, TileState::NoUnit},
        {{Programming, "garbage", R"({"what":)"}, Crashed, TileState::Failed},
        {{}, Stop, TileState::Idle},
        {{Programming, Verified}, Stop, TileState::Failed},
        {{}, Exited, TileState::Failed},
    };
    for (const auto& run : runs) {
      TileStarted(t);
      for (const char* line : run.lines) TileLine(t, line);
      t.stopping = run.end == Stop;
      if (run.end != Running) TileEnded(t, run.end != Exited);
      QCOMPARE(t.state, run.state);
    }
    QCOMPARE(t.phase, "ended without a summary");
    QCOMPARE(std::pair(t.good, t.failed), std::pair(2, 1));  // only a unit's own line counts it
    // The record of a search nothing answered is no unit's.
    Run(t, {Searching, R"({"unit":{"time":"2026-12-07T09:40:00+01:00","result":"stopped","errors":0}})", Stopped});
    QCOMPARE(std::tie(t.state, t.lastUnit), std::tuple(TileState::Idle, "09:30:12"));
  }

  void chartReadsTheHoursAndPaintsThem() {
    QTemporaryDir folder;
    const std::string path = folder.filePath("production.log").toStdString();
    // Hour 8: two good. Hour 9: one good, one failed. Hour 11: one good
    // after a failed attempt on the same unit, and a torn line.
    std::ofstream(path) << ChartLine("08", "verified", "COM1") << ChartLine("08", "verified", "COM2")
                        << ChartLine("09", "verified", "COM1") << ChartLine("09", "verify failed", "COM2")
                        << ChartLine("11", "write failed", "COM1") << ChartLine("11", "verified", "COM1")
                        << "{\"time\":\"2026-12-07T11:";
    YieldChart chart;
    chart.resize(480, 160);
    const QColor green(0x2e, 0x7d, 0x32), red(0xc6, 0x28, 0x28);
    QCOMPARE(Pixels(chart, green) + Pixels(chart, red), 0);

    QVERIFY(chart.Refresh(path));
    QCOMPARE(chart.hours.size(), size_t{4});
    QCOMPARE(std::make_pair(chart.good, chart.failed), std::make_pair(int64_t{4}, int64_t{1}));
    const int good = Pixels(chart, green), failed = Pixels(chart, red);
    QVERIFY(failed > 0);
    // The good bars together are four times the failed one.
    QVERIFY2(std::abs(good - 4 * failed) <= 4 * chart.height(), qPrintable(QString("%1 %2").arg(good).arg(failed)));

    QVERIFY(!chart.Refresh(path + ".none"));
    QVERIFY(chart.hours.empty());
    QCOMPARE(Pixels(chart, green), 0);
  }

  void settingsAndCommandLine() {
    MapSettings settings;
    const StationSetup setup{.fixtures = {{"COM3 (/dev/ttyUSB0 0403:6001 A5XK3RJP)", "Fixture 1"}, {"/tmp/line2", "二号"}},
                             .image = "/line/panel.hex", .log = "/line/production.log", .expect = "0x0F16",
                             .operatorName = "Li Wei", .order = "WO-17", .station = "line-3", .target = 4,
                             .fill00 = true, .autoRepeat = true, .locked = true};
    SaveStation(settings, setup);
    // What is kept comes back whole: the fixture's command line is made from it.
    const StationSetup back = LoadStation(settings);
    QCOMPARE(back.fixtures.size(), size_t{2});
    QCOMPARE(back.fixtures[1].name, "二号");
    QVERIFY(back.locked);
    QCOMPARE(LoadStation(*std::make_unique<MapSettings>()).target, 1);

    QCOMPARE(PortOfEntry("COM9 (/tmp/ambrelin-com)"), "/tmp/ambrelin-com");
    QCOMPARE(PortOfEntry("/tmp/line2"), "/tmp/line2");
    QCOMPARE(ChildArguments(back, back.fixtures[0]),
             (std::vector<std::string>{"burn", "--machine", "--port", "/dev/ttyUSB0", "--target", "4", "--fill", "00",
                                       "--auto", "--log", "/line/production.log", "--expect", "0x0F16", "--operator",
                                       "Li Wei", "--order", "WO-17", "--station", "line-3", "--", "/line/panel.hex"}));
    // A script names its own targets.
    QCOMPARE(ChildArguments({.image = "/line/two.bat"}, {"/tmp/line2", ""}),
             (std::vector<std::string>{"burn", "--machine", "--port", "/tmp/line2", "--fill", "ff", "--", "/line/two.bat"}));
    QVERIFY(ChecksumMatches("", 0x0F16) && ChecksumMatches("0x0f16", 0x0F16) && ChecksumMatches("F16", 0x0F16));
    QVERIFY(!ChecksumMatches("0x0F17", 0x0F16) && !ChecksumMatches("0F16z", 0x0F16));
  }

  void lockLeavesOnlyStartAndStop() {
    StationRig rig;
    rig.link.port.present = {{3, "/dev/ttyFake3"}};
    rig.link.port.identities = {{3, "0403:6001 A5XK3RJP"}};
    StartUp(rig.app);
    Click(rig.Get<QPushButton>(S::ToolButtonStation));
    QVERIFY(rig.controls.Visible(S::StationForm));
    Click(rig.Get<QPushButton>(S::StationButtonAddFixture));
    auto* port = rig.InTile<DropDownCombo>(1, S::TileSelectPort);
    port->showPopup();
    port->hidePopup();
    QCOMPARE(port->count(), 1);
    port->setCurrentIndex(0);
    QCOMPARE(rig.InTile<QLabel>(1, S::TileLabelAdapter)->text(), "0403:6001 A5XK3RJP");
    QCOMPARE(rig.settings.Get("Station", "Port1"), "COM3 (/dev/ttyFake3 0403:6001 A5XK3RJP)");
    QCOMPARE(rig.settings.Get("Station", "Name1"), "Fixture 1");

    // The image shown as the burn page shows it.
    QLineEdit* file = rig.Get<QLineEdit>(S::StationTextFileName);
    Type(file, Qs(Sample()));
    auto* sum = rig.Get<QLabel>(S::StationLabelCodeSum);
    QCOMPARE(sum->text(), "校验: 0xF16");
    QCOMPARE(rig.Get<QLabel>(S::StationLabelSha256)->text(),
             "SHA-256: 9f1fdeca1859b4a7aab94bc56df3eafe3762812dcd5ea77dbf42a90c11ed9ca6");
    Click(rig.Get<QRadioButton>(S::StationOptionFull0x00));
    QCOMPARE(sum->text(), "校验: 0xEF16");
    Type(rig.Get<QLineEdit>(S::StationTextExpect), "0x1234");
    QCOMPARE(sum->palette().color(QPalette::WindowText), QColor(0xC62828));
    Click(rig.Get<QPushButton>(S::StationButtonLock));
    QCOMPARE(rig.settings.Get("Station", "Locked"), "1");
    QTest::keyClicks(file, "x");
    Click(rig.Get<QPushButton>(S::StationButtonAddFixture));
    QCOMPARE(file->text(), Qs(Sample()));
    QVERIFY(!rig.Tile(2));
    QVERIFY(!rig.InTile<QLineEdit>(1, S::TileTextName)->isEnabled());
    QVERIFY(!rig.InTile<QPushButton>(1, S::TileButtonRemove)->isEnabled());
    QVERIFY(rig.Get<QPushButton>(S::StationButtonStartAll)->isEnabled());
    QVERIFY(rig.InTile<QPushButton>(1, S::TileButtonStart)->isEnabled());

    // Unlocking takes a yes.
    rig.dialogs.answers = {false};
    Click(rig.Get<QPushButton>(S::StationButtonLock));
    QCOMPARE(rig.dialogs.questions.size(), size_t{1});
    QVERIFY(!file->isEnabled());
    rig.dialogs.answers = {true};
    Click(rig.Get<QPushButton>(S::StationButtonLock));
    QVERIFY(file->isEnabled());
    QCOMPARE(rig.settings.Get("Station", "Locked"), "0");
    // A new window finds what the last one kept.
    QCOMPARE(LoadStation(rig.settings).image, Sample());
    QCOMPARE(rig.settings.Get("Station", "Expect"), "0x1234");
    QCOMPARE(rig.settings.Get("Station", "Fill"), "00");
    Click(rig.InTile<QPushButton>(1, S::TileButtonRemove));
    QCOMPARE(rig.settings.Get("Station", "Fixtures"), "0");
  }

  void fourFixtures() {
    UnitProcess good1({"--no-wire", "--quiet"}), good2({"--no-wire", "--quiet"}), silent({"--silent", "--quiet"});
    // Slow enough that it is pulled while it is being programmed.
    UnitProcess pulled({"--no-wire", "--quiet", "--delay", "0.003"});
    const std::string log = FreshLog("station");
    StationRig rig;
    rig.controls.SetVisible(S::StationForm, true);
    const std::string ports[] = {good1.device, silent.device, pulled.device, good2.device};
    for (int n = 1; n <= 4; ++n) {
      Click(rig.Get<QPushButton>(S::StationButtonAddFixture));
      rig.InTile<QComboBox>(n, S::TileSelectPort)->setEditText(Qs(ports[n - 1]));
    }
    Type(rig.Get<QLineEdit>(S::StationTextFileName), Qs(Sample()));
    Type(rig.Get<QLineEdit>(S::StationTextLog), Qs(log));
    Click(rig.Get<QPushButton>(S::StationButtonLock));
    Click(rig.Get<QPushButton>(S::StationButtonStartAll));
    QVERIFY(!rig.Get<QLineEdit>(S::StationTextFileName)->isEnabled());

    QTRY_COMPARE_WITH_TIMEOUT(rig.State(3), "烧录中", 10000);
    kill(pulled.pid, SIGKILL);
    QTRY_COMPARE_WITH_TIMEOUT(rig.State(3), "失败", 10000);
    QTRY_VERIFY_WITH_TIMEOUT(rig.State(1) == "正确" && rig.State(4) == "正确", 10000);
    QCOMPARE(rig.Colour(1), QColor(0x2E7D32));
    QCOMPARE(rig.Colour(3), QColor(0xC62828));
    QCOMPARE(rig.InTile<QLabel>(1, S::TileLabelVerify)->text(), "校验: 0x0F16");
    QCOMPARE(rig.InTile<QLabel>(1, S::TileLabelCount)->text(), "良品: 1  不良: 0");
    QCOMPARE(rig.InTile<QLabel>(3, S::TileLabelCount)->text(), "良品: 0  不良: 1");
    QCOMPARE(rig.State(2), "无目标");
    QVERIFY(rig.Running(2));

    Click(rig.Get<QPushButton>(S::StationButtonStopAll));
    QTRY_VERIFY_WITH_TIMEOUT(!rig.Running(1) && !rig.Running(2) && !rig.Running(3) && !rig.Running(4), 10000);
    QCOMPARE(rig.State(2), "空闲");
    QVERIFY(rig.Get<QLineEdit>(S::StationTextFileName)->isEnabled() == false);  // still locked

    // One line per unit, each true of its port; the silent fixture, stopped
    // before any unit answered, has none.
    const auto lines = Lines(Slurp(log));
    QCOMPARE(lines.size(), size_t{3});
    std::map<std::string, std::string> results;
    for (const std::string& line : lines) {
      const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
      results[o.value("port").toString().toStdString()] = o.value("result").toString().toStdString();
      if (o.value("result") == "verified") QCOMPARE(o.value("verify_sum"), o.value("image_checksum"));
      QVERIFY(o.contains("chip_id"));
    }
    QCOMPARE(results, (std::map<std::string, std::string>{
                          {good1.device, "verified"}, {good2.device, "verified"}, {pulled.device, "port lost"}}));

    // The fixture check asks each unit for its chip and writes nothing.
    Click(rig.Get<QPushButton>(S::StationButtonCheck));
    QTRY_VERIFY_WITH_TIMEOUT(!rig.Running(1) && !rig.Running(2) && !rig.Running(4), 10000);
    QCOMPARE(rig.InTile<QLabel>(1, S::TileLabelChip)->text(), rig.InTile<QLabel>(4, S::TileLabelChip)->text());
    QVERIFY(rig.InTile<QLabel>(1, S::TileLabelChip)->text().contains("0x0003"));
    QCOMPARE(rig.State(1), "空闲");
    QCOMPARE(rig.State(2), "无目标");
    QCOMPARE(rig.State(3), "失败");
    QCOMPARE(Lines(Slurp(log)).size(), size_t{3});

    // Closing the window stops what still runs; a station that goes takes
    // its processes with it, and they must not report to the freed station:
    // the sanitizer watches as the rig goes at the end.
    auto* start = rig.InTile<QPushButton>(2, S::TileButtonStart);
    Click(start);
    QTRY_COMPARE_WITH_TIMEOUT(rig.InTile<QLabel>(2, S::TileLabelPhase)->text(), "searching", 10000);
    rig.controls.Window(S::StationForm.window)->close();
    QVERIFY(!rig.Running(2));
    QCOMPARE(rig.InTile<QLabel>(2, S::TileLabelPhase)->text(), "stopped");
    start->click();
    QTRY_COMPARE_WITH_TIMEOUT(rig.InTile<QLabel>(2, S::TileLabelPhase)->text(), "searching", 10000);
  }

  // A station killed outright has no time to stop anything; its fixtures
  // stop by themselves.
  void aKilledStationLeavesNoFixtureRunning() {
    int told[2];
    QVERIFY(pipe(told) == 0);
    const pid_t station = fork();
    if (station == 0) {
      QProcess fixture;
      StopWithParent(fixture);
      fixture.start("sleep", {"60"});
      const qint64 pid = fixture.waitForStarted() ? fixture.processId() : 0;
      if (write(told[1], &pid, sizeof pid) == sizeof pid) pause();
      _exit(1);
    }
    qint64 fixture = 0;
    QCOMPARE(read(told[0], &fixture, sizeof fixture), ssize_t(sizeof fixture));
    QVERIFY(fixture > 0);
    kill(station, SIGKILL);
    waitpid(station, nullptr, 0);
    close(told[0]);
    close(told[1]);
    const auto running = [fixture] {
      std::ifstream stat("/proc/" + std::to_string(fixture) + "/stat");
      std::string pid, name, state;
      return stat >> pid >> name >> state && state != "Z";
    };
    QTRY_VERIFY_WITH_TIMEOUT(!running(), 5000);
  }
};

QTEST_MAIN(StationTest)
#include "StationTest.moc"
