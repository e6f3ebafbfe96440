#include "app/DesktopForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <array>

#include "app/Desktop.h"
#include "app/DesktopFormControls.h"
#include "app/InfoFormControls.h"
#include "app/Widgets.h"
#include "fontgen/CharBornFormControls.h"
#include "link/ComPort.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiFormControls.h"

namespace C = DesktopFormControls;

std::function<void()> EndProgram;

namespace {

constexpr const char* PageCaptions[] = {"  升  级  ", " 命令调试 ", " 宏 调试  ",  "  功  能   ", "  参数一   ",
                                        "  参数二   ", "  设  置  ", "  芯片调试  ", "  工  具   ", " 关  于 "};
enum Page { BurnPage, DebugPage, ChipPage = 7, ToolPage, AboutPage };

// The main window's drag grips the picture 500 twips from its left and 4800 from its top.
constexpr int DragX = 500, DragY = 4800;

void Show(Ambrelin& app, Control window) { app.controls.SetVisible(window, true); }

QPushButton* SmallButton(Control c) {
  QPushButton* button = NewButton(c);
  button->setFixedWidth(24);
  return button;
}

QPushButton* PictureButton(Control c, QStyle::StandardPixmap picture) {
  QPushButton* button = NewButton(c);
  button->setIcon(QApplication::style()->standardIcon(picture));
  button->setIconSize(QSize(24, 24));
  return button;
}

QGroupBox* FileFrame() {
  QGroupBox* frame = NewFrame(C::UpdateFrameStep1);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewTextBox(C::UpdateTextFileName), 0, 0, 1, 2);
  grid->addWidget(NewButton(C::UpdateButtonOpenFile), 0, 2);
  grid->addWidget(SmallButton(C::UpdateButtonView), 0, 3);
  grid->addWidget(NewLabel(C::UpdateLabelCodeName), 1, 0);
  grid->addWidget(NewLabel(C::UpdateLableFileDate), 1, 1, 1, 3);
  grid->addWidget(NewLabel(C::UpdateLabelCodeSum), 2, 0);
  grid->addWidget(NewLabel(C::UpdateLableCodeSize), 2, 1, 1, 3);
  return frame;
}

QGroupBox* TargetFrame() {
  QGroupBox* frame = NewFrame(C::UpdateFrameStep2);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewLabel(C::UpdateLabelTarget), 0, 0);
  grid->addWidget(TargetCombo(C::UpdateSelectTarget), 0, 1);
  grid->addWidget(NewLabel(C::UpdateLabelTrig), 0, 2);
  grid->addWidget(NewTextBox(C::UpdateTextTrig), 0, 3);
  grid->addWidget(NewOption(C::UpdateOptionFull0xff), 1, 0, 1, 2);
  grid->addWidget(NewOption(C::UpdateOptionFull0x00), 1, 2, 1, 2);
  return frame;
}

QGroupBox* BurnFrame() {
  QGroupBox* frame = NewFrame(C::UpdateFrameStep3);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewCheck(C::UpdateCheckAutoBurn), 0, 0);
  grid->addWidget(NewCheck(C::UpdateCheckAutoReboot), 0, 1);
  grid->addWidget(NewCheck(C::UpdateCheckSound), 0, 2);
  grid->addWidget(NewCheck(C::UpdateCheckVerOld), 0, 3);
  grid->addWidget(SmallButton(C::UpdateButtonRestart), 1, 0);
  grid->addWidget(NewButton(C::UpdateButtonUpdate), 1, 1, 1, 3);
  grid->addWidget(NewBar(C::UpdateBarBurn), 2, 0, 1, 4);
  grid->addWidget(NewLabel(C::UpdateLabelBurnState), 3, 0, 1, 2);
  grid->addWidget(NewLabel(C::UpdateLabelBurnError), 3, 2, 1, 2);
  grid->addWidget(NewLabel(C::UpdateLabelBurnTotal), 4, 0, 1, 2);
  grid->addWidget(NewLabel(C::UpdateLabelDevice), 4, 2, 1, 2);
  return frame;
}

QWidget* NewBurnPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->addWidget(FileFrame(), 0, 0);
  grid->addWidget(TargetFrame(), 1, 0);
  grid->addWidget(BurnFrame(), 2, 0, 2, 1);
  grid->addWidget(NewLabel(C::DesktopLabelVer), 0, 1);
  QListWidget* info = NewList(C::UpdateListInfo);
  OnDoubleClick(info, [&app] { InfoList_DblClick(app); });
  grid->addWidget(info, 1, 1, 2, 1);
  grid->addWidget(NewTextArea(C::DesktopTextCode1), 3, 1);
  return page;
}

// One column of a debug frame: its address box and six rows of command and button.
struct DebugColumn {
  Control label, address;
  std::array<Control, 6> commands, buttons;
};

QGroupBox* DebugFrame(Control frameControl, Control type, const DebugColumn& left, const DebugColumn& right) {
  QGroupBox* frame = NewFrame(frameControl);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewTextBox(type), 0, 0, 1, 2);
  for (int side = 0; side < 2; ++side) {
    const DebugColumn& column = side == 0 ? left : right;
    const int at = side * 2;
    auto* address = new QHBoxLayout;
    address->addWidget(NewLabel(column.label));
    address->addWidget(NewTextBox(column.address), 1);
    grid->addLayout(address, 1, at, 1, 2);
    grid->setColumnStretch(at, 1);
    for (int row = 0; row < 6; ++row) {
      grid->addWidget(NewTextBox(column.commands[row]), row + 2, at);
      grid->addWidget(SmallButton(column.buttons[row]), row + 2, at + 1);
    }
  }
  return frame;
}

QWidget* NewDebugPage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->addWidget(DebugFrame(
      C::DebugFrameTx1, C::DebugTextAddressA,
      {C::DebugLabelAddress1, C::DebugTextAddress1,
       {C::DebugTextL1, C::DebugTextL2, C::DebugTextL3, C::DebugTextL4, C::DebugTextL5, C::DebugTextL6},
       {C::DebugButtonL1, C::DebugButtonL2, C::DebugButtonL3, C::DebugButtonL4, C::DebugButtonL5, C::DebugButtonL6}},
      {C::DebugLabelAddress2, C::DebugTextAddress2,
       {C::DebugTextR1, C::DebugTextR2, C::DebugTextR3, C::DebugTextR4, C::DebugTextR5, C::DebugTextR6},
       {C::DebugButtonR1, C::DebugButtonR2, C::DebugButtonR3, C::DebugButtonR4, C::DebugButtonR5, C::DebugButtonR6}}));
  row->addWidget(DebugFrame(
      C::DebugFrameTx2, C::DebugTextAddressB,
      {C::DebugLabelAddress3, C::DebugTextAddress3,
       {C::DebugTextC1, C::DebugTextC2, C::DebugTextC3, C::DebugTextC4, C::DebugTextC5, C::DebugTextC6},
       {C::DebugButtonC1, C::DebugButtonC2, C::DebugButtonC3, C::DebugButtonC4, C::DebugButtonC5, C::DebugButtonC6}},
      {C::DebugLabelAddress4, C::DebugTextAddress4,
       {C::DebugTextD1, C::DebugTextD2, C::DebugTextD3, C::DebugTextD4, C::DebugTextD5, C::DebugTextD6},
       {C::DebugButtonD1, C::DebugButtonD2, C::DebugButtonD3, C::DebugButtonD4, C::DebugButtonD5, C::DebugButtonD6}}));
  return page;
}

QWidget* NewChipPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  QPushButton* hdmi = NewButton(C::ChipButtonHdmi);
  OnClick(hdmi, [&app] { Show(app, HdmiFormControls::HdmiForm); });
  QPushButton* decoder = NewButton(C::ChipButtonDecoder);
  OnClick(decoder, [&app] { Show(app, DecoderFormControls::DecoderForm); });
  column->addWidget(hdmi);
  column->addWidget(decoder);
  column->addStretch();
  return page;
}

QWidget* NewToolPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  QGroupBox* files = NewFrame(C::ToolFrameFileChange);
  auto* conversions = new QHBoxLayout(files);
  conversions->addWidget(NewButton(C::ToolButtonHex2Tot));
  conversions->addWidget(NewButton(C::ToolButtonHex2Bin));
  conversions->addWidget(NewButton(C::ToolButtonBin2Txt));
  column->addWidget(files);
  column->addWidget(NewButton(C::ToolButtonEdidBorn));
  QPushButton* charBorn = NewButton(C::ToolButtonCharBorn);
  OnClick(charBorn, [&app] { Show(app, CharBornFormControls::CharBornForm); });
  column->addWidget(charBorn);
  column->addStretch();
  return page;
}

QWidget* NewAboutPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->addWidget(NewTextArea(C::Text6));
  return page;
}

QTabWidget* NewMainTable(Ambrelin& app) {
  auto* table = new QTabWidget;
  table->setObjectName(Qs(C::MainTable.name));
  for (int page = 0; page < static_cast<int>(std::size(PageCaptions)); ++page) {
    QWidget* content = page == BurnPage    ? NewBurnPage(app)
                       : page == DebugPage ? NewDebugPage()
                       : page == ChipPage  ? NewChipPage(app)
                       : page == ToolPage  ? NewToolPage(app)
                       : page == AboutPage ? NewAboutPage()
                                           : new QWidget;
    table->addTab(content, QString::fromUtf8(PageCaptions[page]));
  }
  return table;
}

QHBoxLayout* PortRow(Ambrelin& app) {
  auto* row = new QHBoxLayout;
  DropDownCombo* port = NewCombo(C::DesktopSelectComPort);
  port->dropDown = [&app] { DesktopSelectComPort_DropDown(app); };
  port->setMinimumWidth(180);
  QPushButton* portSwitch = NewButton(C::DesktopButtonSelectComSwitch);
  OnClick(portSwitch, [&app] { DesktopButtonSelectComSwitch_Click(app); });
  QPushButton* info = NewButton(C::DesktopButtonInfo);
  OnClick(info, [&app] { Show(app, InfoFormControls::InfoForm); });
  QPushButton* decoder = PictureButton(C::DesktopButton3, QStyle::SP_MediaVolume);
  OnClick(decoder, [&app] { Show(app, DecoderFormControls::DecoderForm); });
  QPushButton* hdmi = PictureButton(C::DesktopButton4, QStyle::SP_ComputerIcon);
  OnClick(hdmi, [&app] { Show(app, HdmiFormControls::HdmiForm); });
  // Its panel window is not part of this program.
  QPushButton* panel = NewButton(C::DesktopButtonPanel);
  panel->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{port, portSwitch, info, decoder, hdmi, panel}) row->addWidget(w);
  row->addStretch();
  return row;
}

}  // namespace

QWidget* NewDesktopForm(Ambrelin& app) {
  QWidget* form = NewWindow(C::DesktopForm);
  auto* column = new QVBoxLayout(form);
  column->addLayout(PortRow(app));
  auto* middle = new QHBoxLayout;
  QLabel* back = NewPicture(C::DesktopPictureBack);
  back->setFixedWidth(110);
  back->setMinimumHeight(420);
  OnDoubleClick(back, [&app] { Shutdown(app); });
  DragByPicture(back, form, DragX, DragY);
  middle->addWidget(back);
  middle->addWidget(NewMainTable(app), 1);
  column->addLayout(middle, 1);
  column->addWidget(new QStatusBar);

  OnEvent(form, QEvent::Close, [&app](QEvent*) {
    Shutdown(app);
    return false;
  });
  // The notification-area icon is the way back to a hidden main window, so
  // minimising hides the window only where there is a notification area.
  QSystemTrayIcon* tray = nullptr;
  if (QSystemTrayIcon::isSystemTrayAvailable()) {
    tray = new QSystemTrayIcon(form->style()->standardIcon(QStyle::SP_ComputerIcon), form);
    tray->setObjectName("SysTray1");
    QObject::connect(tray, &QSystemTrayIcon::activated, form, [form] { ToggleDesktopForm(form); });
    tray->show();
  }
  OnEvent(form, QEvent::WindowStateChange, [form, tray](QEvent*) {
    // Hidden after the change is done, not inside it.
    if (tray && form->isMinimized()) QTimer::singleShot(0, form, &QWidget::hide);
    return false;
  });
  return form;
}

void ToggleDesktopForm(QWidget* form) {
  form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
  form->setVisible(!form->isVisible());
}

void Shutdown(Ambrelin& app) {
  for (QWidget* window : QApplication::topLevelWidgets())
    for (auto* tray : window->findChildren<QSystemTrayIcon*>()) tray->hide();
  DesktopForm_Unload(app);
  EndProgram();
}

void ShowNotice(QWidget* desktopForm, const QString& text) {
  desktopForm->findChild<QStatusBar*>()->showMessage(text);
}
