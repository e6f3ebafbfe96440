// Draws every window offscreen into PNG files for the documentation:
//   QT_QPA_PLATFORM=offscreen build/test/tools/ambrelin-screenshots docs
#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "Fakes.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/QtControls.h"
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
  return 0;
}
