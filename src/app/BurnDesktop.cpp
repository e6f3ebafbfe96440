#include "app/BurnDesktop.h"

#include <QGridLayout>

#include "app/BurnAboutControls.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopForm.h"
#include "app/DesktopFormControls.h"
#include "app/Language.h"
#include "app/Widgets.h"
#include "burner/BurnDesktopTwins.h"
#include "burner/BurnEngine.h"
#include "burner/BurnPage.h"
#include "link/ComPort.h"

namespace C = BurnDesktopControls;

namespace {

// The burner's drag grips the picture 4000 twips from its left and 500 from its top.
constexpr int DragX = 4000, DragY = 500;

QCheckBox* Check(Ambrelin& app, Control c) {
  QCheckBox* box = NewCheck(c);
  OnClick(box, [&app, c] { BurnDesktopTick_Click(app, c); });
  return box;
}

QRadioButton* Option(Ambrelin& app, Control c) {
  QRadioButton* option = NewOption(c);
  OnClick(option, [&app, c] { BurnDesktopTick_Click(app, c); });
  return option;
}

QHBoxLayout* ButtonRow(Ambrelin& app) {
  auto* row = new QHBoxLayout;
  DropDownCombo* port = NewCombo(C::DesktopSelectComPort);
  port->dropDown = [&app] { DesktopSelectComPort_DropDown(app); };
  QObject::connect(port, &QComboBox::activated, port, [&app] { BurnDesktopSelectComPort_Click(app); });
  port->setMinimumWidth(180);
  QPushButton* portSwitch = NewButton(C::DesktopButtonSelectComSwitch);
  OnClick(portSwitch, [&app] { DesktopButtonSelectComSwitch_Click(app); });
  QPushButton* language = NewButton(C::DesktopButtonSelectLanguage);
  OnClick(language, [&app] { DesktopButtonSelectLanguage_Click(app); });
  QPushButton* exit = NewButton(C::DesktopButtonExit);
  OnClick(exit, [&app] { Shutdown(app); });
  row->addWidget(port);
  row->addWidget(portSwitch);
  row->addStretch();
  row->addWidget(language);
  QPushButton* help = NewButton(C::DesktopButtonHelp);
  OnClick(help, [&app] { DesktopButtonHelp_Click(app); });
  row->addWidget(help);
  row->addWidget(exit);
  return row;
}

QGroupBox* FileFrame(Ambrelin& app) {
  QGroupBox* frame = NewFrame(C::UpdateFrameStep1);
  auto* grid = new QGridLayout(frame);
  QLineEdit* file = NewTextBox(C::UpdateTextFileName);
  QObject::connect(file, &QLineEdit::textChanged, file, [&app] { BurnDesktopTextFileName_Change(app); });
  grid->addWidget(file, 0, 0, 1, 2);
  QPushButton* open = NewButton(C::UpdateButtonOpenFile);
  OnClick(open, [&app] { UpdateButtonOpenFile_Click(app); });
  grid->addWidget(open, 0, 2);
  grid->addWidget(NewLabel(C::UpdateLabelCodeName), 1, 0, 1, 3);
  grid->addWidget(NewLabel(C::UpdateLableFileDate), 2, 0);
  grid->addWidget(NewLabel(C::UpdateLabelCodeSum), 2, 1, 1, 2);
  return frame;
}

QGroupBox* TargetFrame(Ambrelin& app) {
  QGroupBox* frame = NewFrame(C::UpdateFrameStep2);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewLabel(C::UpdateLabelTarget), 0, 0);
  DropDownCombo* target = TargetCombo(C::UpdateSelectTarget);
  QObject::connect(target, &QComboBox::activated, target, [&app] { BurnDesktopSelectTarget_Click(app); });
  grid->addWidget(target, 0, 1);
  grid->addWidget(NewLabel(C::UpdateLabelTrig), 0, 2);
  QLineEdit* trig = NewTextBox(C::UpdateTextTrig);
  QObject::connect(trig, &QLineEdit::textChanged, trig, [&app] { BurnDesktopTextTrig_Change(app); });
  grid->addWidget(trig, 0, 3);
  grid->addWidget(Option(app, C::UpdateOptionFull0x00), 1, 0, 1, 2);
  grid->addWidget(Option(app, C::UpdateOptionFull0xff), 1, 2, 1, 2);
  return frame;
}

QGroupBox* BurnFrame(Ambrelin& app) {
  QGroupBox* frame = NewFrame(C::UpdateFrameStep3);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(Check(app, C::UpdateCheckAutoBurn), 0, 0);
  grid->addWidget(Check(app, C::UpdateCheckAutoReboot), 0, 1);
  grid->addWidget(NewCheck(C::UpdateCheckVerOld), 0, 2);
  grid->addWidget(Check(app, C::UpdateCheckSound), 0, 3);
  QPushButton* restart = NewButton(C::UpdateButtonRestart);
  restart->setFixedWidth(24);
  OnClick(restart, [&app] { UpdateButtonRestart_Click(app); });
  grid->addWidget(restart, 1, 0);
  QPushButton* burn = NewButton(C::UpdateButtonUpdate);
  OnClick(burn, [&app] { UpdateButtonUpdate_Click(app, FillOption(app)); });
  grid->addWidget(burn, 1, 1, 1, 3);
  grid->addWidget(NewBar(C::UpdateBarBurn), 2, 0, 1, 4);
  grid->addWidget(NewLabel(C::UpdateLabelBurnState), 3, 0, 1, 4);
  grid->addWidget(NewLabel(C::UpdateLabelBurnError), 4, 0, 1, 4);
  grid->addWidget(NewLabel(C::UpdateLabelBurnTotal), 5, 0, 1, 4);
  return frame;
}

}  // namespace

QWidget* NewBurnDesktop(Ambrelin& app) {
  QWidget* window = NewWindow(C::BurnDesktop);
  auto* column = new QVBoxLayout(window);
  QLabel* picture = NewPicture(C::DesktopPicture);
  // The burner's drag grips the picture 4000 twips from its left: room for that.
  picture->setMinimumSize(320, 56);
  OnDoubleClick(picture, [&app] { app.controls.SetVisible(BurnAboutControls::BurnAbout, true); });
  DragByPicture(picture, window, DragX, DragY);
  column->addWidget(picture);
  column->addLayout(ButtonRow(app));
  column->addWidget(FileFrame(app));
  column->addWidget(TargetFrame(app));
  column->addWidget(BurnFrame(app));
  window->show();
  app.controls.SetVisible(DesktopFormControls::DesktopForm, false);
  return window;
}

QWidget* NewBurnAbout(Ambrelin&) {
  namespace A = BurnAboutControls;
  QWidget* window = NewWindow(A::BurnAbout);
  auto* column = new QVBoxLayout(window);
  QGroupBox* frame = NewFrame(A::Frame1);
  auto* inFrame = new QVBoxLayout(frame);
  QLabel* picture = NewPicture(A::RedidoAboutPicture1);
  picture->setMinimumSize(64, 64);
  inFrame->addWidget(picture);
  column->addWidget(frame);
  for (Control label : {A::RedidoAboutLabel1, A::RedidoAboutLabel2, A::RedidoAboutLabel3, A::RedidoAboutLabel4,
                        A::RedidoAboutLabel5, A::RedidoAboutLabelVer})
    column->addWidget(NewLabel(label));
  QPushButton* ok = NewButton(A::BurnAboutButtonOk);
  QObject::connect(ok, &QPushButton::clicked, window, &QWidget::close);
  column->addWidget(ok);
  return window;
}
