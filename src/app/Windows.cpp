#include "app/Windows.h"

#include <QWindow>

#include "app/BurnAboutControls.h"
#include "app/BurnDesktop.h"
#include "app/BurnDesktopControls.h"
#include "app/Desktop.h"
#include "app/DesktopForm.h"
#include "app/DesktopFormControls.h"
#include "app/InfoForm.h"
#include "app/InfoFormControls.h"
#include "app/Language.h"
#include "app/QtPlatform.h"
#include "app/StationForm.h"
#include "app/StationFormControls.h"
#include "burner/BurnPage.h"
#include "burner/ProductionLog.h"
#include "app/Widgets.h"
#include "fontgen/CharBornForm.h"
#include "fontgen/CharBornFormControls.h"
#include "link/ComPort.h"
#include "panels/DecoderForm.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiForm.h"
#include "panels/HdmiFormControls.h"

void RegisterWindows(QtControls& controls, Ambrelin& app) {
  controls.Register(DesktopFormControls::DesktopForm.window, [&app] { return NewDesktopForm(app); });
  controls.Register(BurnDesktopControls::BurnDesktop.window, [&app] { return NewBurnDesktop(app); });
  controls.Register(BurnAboutControls::BurnAbout.window, [&app] { return NewBurnAbout(app); });
  controls.Register(InfoFormControls::InfoForm.window, [&app] { return NewInfoForm(app); });
  controls.Register(DecoderFormControls::DecoderForm.window, [&app] { return NewDecoderForm(app); });
  controls.Register(HdmiFormControls::HdmiForm.window, [&app] { return NewHdmiForm(app); });
  controls.Register(CharBornFormControls::CharBornForm.window, [&app] { return NewCharBornForm(app); });
  controls.Register(StationFormControls::StationForm.window, [&app] { return NewStationForm(app, CliBesideProgram()); });
}

void StartUp(Ambrelin& app) {
  DesktopForm_Load(app);
  app.controls.SetVisible(DesktopFormControls::DesktopForm, true);
  app.controls.SetVisible(BurnDesktopControls::BurnDesktop, true);
}

void KeepBurnerInFront(QtControls& controls) {
  QWidget* burner = controls.Window(BurnDesktopControls::BurnDesktop.window);
  QWindow* main = controls.Window(DesktopFormControls::DesktopForm.window)->windowHandle();
  OnEvent(main, QEvent::Expose, [burner, main, done = false](QEvent*) mutable {
    if (done || !main->isExposed()) return false;
    done = true;
    burner->raise();
    burner->activateWindow();
    return false;
  });
}

void LogBurns(Ambrelin& app) {
  const auto cannotWrite = [&app](const std::string& path) {
    app.dialogs.Notice(std::string(ByLanguage(app, "生产记录写不进 ", "Cannot write the production log ")) + path);
  };
  app.logReady = [&app, cannotWrite] {
    const std::string path = app.settings.Get(ProductionSection, ProductionLogKey);
    if (path.empty() || CanAppend(path)) return true;
    cannotWrite(path);
    return false;
  };
  app.targetBurned = [&app, cannotWrite](const BurnOutcome& outcome) {
    const std::string path = app.settings.Get(ProductionSection, ProductionLogKey);
    if (path.empty()) return;
    const int n = ComNumber(app.controls.Text(DesktopFormControls::DesktopSelectComPort)).value_or(0);
    if (AppendLine(path, ProductionLogLine(BurnRecord(outcome, "COM" + std::to_string(n), app.port.Identity(n)))))
      return;
    cannotWrite(path);
    // Units that would go unrecorded are not burned: the run stops as the
    // stop button would stop it.
    if (app.job == Job::Burn && app.link.ReplyWanted) UpdateButtonUpdate_Click(app, FillOption(app));
  };
}

std::function<void(const QString&)> StatusLine(QtControls& controls) {
  return [&controls](const QString& text) { ShowNotice(controls.Window(DesktopFormControls::DesktopForm.window), text); };
}
