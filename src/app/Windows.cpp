#include "app/Windows.h"

#include "app/BurnAboutControls.h"
#include "app/BurnDesktop.h"
#include "app/BurnDesktopControls.h"
#include "app/Desktop.h"
#include "app/DesktopForm.h"
#include "app/DesktopFormControls.h"
#include "app/InfoForm.h"
#include "app/InfoFormControls.h"
#include "app/Widgets.h"
#include "fontgen/CharBornFormControls.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiFormControls.h"

void RegisterWindows(QtControls& controls, Ambrelin& app) {
  controls.Register(DesktopFormControls::DesktopForm.window, [&app] { return NewDesktopForm(app); });
  controls.Register(BurnDesktopControls::BurnDesktop.window, [&app] { return NewBurnDesktop(app); });
  controls.Register(BurnAboutControls::BurnAbout.window, [&app] { return NewBurnAbout(app); });
  controls.Register(InfoFormControls::InfoForm.window, [&app] { return NewInfoForm(app); });
  // Panels still to be filled.
  for (Control window : {DecoderFormControls::DecoderForm, HdmiFormControls::HdmiForm,
                         CharBornFormControls::CharBornForm})
    controls.Register(window.window, [window] { return NewWindow(window); });
}

void StartUp(Ambrelin& app) {
  DesktopForm_Load(app);
  app.controls.SetVisible(DesktopFormControls::DesktopForm, true);
  app.controls.SetVisible(BurnDesktopControls::BurnDesktop, true);
}

std::function<void(const QString&)> StatusLine(QtControls& controls) {
  return [&controls](const QString& text) { ShowNotice(controls.Window(DesktopFormControls::DesktopForm.window), text); };
}
