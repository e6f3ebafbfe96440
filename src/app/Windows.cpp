#include "app/Windows.h"

#include <ctime>

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
}

void StartUp(Ambrelin& app) {
  DesktopForm_Load(app);
  app.controls.SetVisible(DesktopFormControls::DesktopForm, true);
  app.controls.SetVisible(BurnDesktopControls::BurnDesktop, true);
}

void LogBurns(Ambrelin& app) {
  app.targetBurned = [&app](const BurnOutcome& outcome) {
    const std::string path = app.settings.Get(ProductionSection, ProductionLogKey);
    if (path.empty()) return;
    const int n = ComNumber(app.controls.Text(DesktopFormControls::DesktopSelectComPort)).value_or(0);
    const ProductionRecord record{std::time(nullptr), HostName(), "COM" + std::to_string(n), app.port.Identity(n),
                                  outcome};
    if (!AppendLine(path, ProductionLogLine(record)))
      app.dialogs.Notice(std::string(ByLanguage(app, "生产记录写不进 ", "Cannot write the production log ")) + path);
  };
}

std::function<void(const QString&)> StatusLine(QtControls& controls) {
  return [&controls](const QString& text) { ShowNotice(controls.Window(DesktopFormControls::DesktopForm.window), text); };
}
