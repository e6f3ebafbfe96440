// Draws every window offscreen into PNG files for the documentation:
//   QT_QPA_PLATFORM=offscreen build/test/tools/ambrelin-screenshots docs
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "Fakes.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/QtControls.h"
#include "app/Station.h"
#include "app/StationForm.h"
#include "app/StationFormControls.h"
#include "app/Windows.h"
#include "fontgen/CharBorn.h"
#include "fontgen/CharBornFormControls.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiFormControls.h"
#include "sim/VirtualLink.h"

namespace {

void Shoot(QWidget* window, const QString& file) {
  window->show();
  QApplication::processEvents();
  window->grab().save(file);
}

// Each page of a tab control that the documentation shows, one file a page.
void ShootPages(QtControls& controls, Control table, const QString& folder, const QString& stem,
                std::initializer_list<int> pages) {
  auto* tabs = qobject_cast<QTabWidget*>(controls.Find(table));
  for (int page : pages) {
    tabs->setCurrentIndex(page);
    Shoot(controls.Window(table.window), QString("%1/%2-%3.png").arg(folder, stem).arg(page + 1));
  }
}

// What eight fixtures' processes would print, one state each, so the
// station can be shown at work without eight units.
constexpr char FixtureScript[] = R"(#!/bin/sh
eval "port=\$4"
unit() {
  echo "{\"unit\":{\"time\":\"2026-12-07T09:3$1:12+08:00\",\"chip_id\":\"0x0003\",\"chip\":\"Philips P89V51RD\",\"result\":\"$2\",\"verify_sum\":\"$3\",\"errors\":$4}}"
}
case "$port" in
  *USB0|*USB3|*USB6) unit 1 verified 0x0F16 0; unit 4 verified 0x0F16 0; unit 7 verified 0x0F16 2
    echo '{"what":"burn","result":"done"}' ;;
  *USB2) unit 2 verified 0x0F16 0; unit 5 "verify failed" 0x3A07 31; echo '{"what":"burn","result":"verify failed"}' ;;
  *USB1) unit 3 verified 0x0F16 0; echo '{"phase":"programming","done":0.42,"errors":0}'; exec sleep 60 ;;
  *USB5) unit 6 verified 0x0F16 1; echo '{"phase":"verifying","done":0.77,"errors":0}'; exec sleep 60 ;;
  *USB4) echo '{"phase":"searching","done":0,"errors":0}'; exec sleep 60 ;;
  *USB7) echo '{"what":"burn","result":"stopped"}' ;;
esac
)";

void ShootStation(QtControls& controls, Ambrelin& app, const QString& file) {
  QTemporaryDir work;
  const QString cli = work.filePath("fixture");
  QFile script(cli);
  script.open(QIODevice::WriteOnly);
  script.write(FixtureScript);
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  StationSetup setup;
  for (int n = 0; n < 8; ++n)
    setup.fixtures.push_back({"COM" + std::to_string(n + 3) + " (/dev/ttyUSB" + std::to_string(n) + " 0403:6001 A5XK3R" +
                                  std::to_string(n) + ")",
                              "Fixture " + std::to_string(n + 1)});
  setup.image = AMBRELIN_SOURCE "/samples/front-panel.hex";
  setup.expect = "0xF16";
  setup.log = "/home/line/production.log";
  setup.operatorName = "Li Wei";
  setup.order = "WO-2026-1207";
  setup.station = "line-3";
  setup.locked = true;
  SaveStation(app.settings, setup);
  controls.Register(StationFormControls::StationForm.window, [&app, cli] { return NewStationForm(app, cli.toStdString()); });
  QWidget* window = controls.Window(StationFormControls::StationForm.window);
  window->show();
  qobject_cast<QPushButton*>(controls.Find(StationFormControls::StationButtonStartAll))->click();
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 50);
  Shoot(window, file);
  window->close();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  const QString folder = argc > 1 ? argv[1] : ".";
  QDir().mkpath(folder);
  QtControls controls;
  VirtualLink link;
  RecordedDialogs dialogs;
  MapSettings settings;
  Ambrelin app{controls, link.port, link.pump, dialogs, settings, QDir::tempPath().toStdString()};
  RegisterWindows(controls, app);
  StartUp(app);

  Shoot(controls.Window(BurnDesktopControls::BurnDesktop.window), folder + "/burner.png");
  ShootPages(controls, DesktopFormControls::MainTable, folder, "main", {0, 1, 2, 3, 4, 8});
  ShootPages(controls, DecoderFormControls::DecoderTable, folder, "decoder", {0, 2, 8});
  ShootPages(controls, HdmiFormControls::HdmiTable, folder, "hdmi", {0, 1, 3});
  const std::string letters = "ABCDEFGH";
  for (size_t box = 0; box < letters.size(); ++box) controls.SetText(OrderBoxes[box], letters.substr(box, 1));
  CharButtonBorn_Click(controls);
  Shoot(controls.Window(CharBornFormControls::CharBornForm.window), folder + "/charborn.png");
  ShootStation(controls, app, folder + "/station.png");
  return 0;
}
