#include "app/DesktopForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>

#include "app/Desktop.h"
#include "app/DesktopFormControls.h"
#include "app/InfoFormControls.h"
#include "app/StationFormControls.h"
#include "app/Widgets.h"
#include "batch/BatchPage.h"
#include "burner/BurnDesktopTwins.h"
#include "burner/BurnEngine.h"
#include "burner/BurnPage.h"
#include "images/RedidoFile.h"
#include "fontgen/CharBornFormControls.h"
#include "link/ComPort.h"
#include "panels/DebugPanel.h"
#include "panels/DecoderFormControls.h"
#include "panels/DesktopPanel.h"
#include "panels/HdmiFormControls.h"

namespace C = DesktopFormControls;

namespace {

constexpr const char* PageCaptions[] = {"  升  级  ", " 命令调试 ", " 宏 调试  ",  "  功  能   ", "  参数一   ",
                                        "  参数二   ", "  设  置  ", "  芯片调试  ", "  工  具   ", " 关  于 "};
enum Page { BurnPage, DebugPage, BatchPage, FunctionPage, LevelPage, ChipPage = 7, ToolPage, AboutPage };

// Slider steps of the sound panel: arrow keys move by one, page keys by five.
constexpr int SmallChange = 1, LargeChange = 5;

// The main window's drag grips the picture 500 twips from its left and 4800 from its top.
constexpr int DragX = 500, DragY = 4800;

// SysTimer1 refreshes the burner's about box once a second.
constexpr int SysTimerMs = 1000;

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

QGroupBox* FileFrame(Ambrelin& app) {
  QGroupBox* frame = NewFrame(C::UpdateFrameStep1);
  auto* grid = new QGridLayout(frame);
  QLineEdit* file = NewTextBox(C::UpdateTextFileName);
  QObject::connect(file, &QLineEdit::textChanged, file, [&app] { UpdateTextFileName_Change(app); });
  grid->addWidget(file, 0, 0, 1, 2);
  QPushButton* open = NewButton(C::UpdateButtonOpenFile);
  OnClick(open, [&app] { UpdateButtonOpenFile_Click(app); });
  grid->addWidget(open, 0, 2);
  QPushButton* view = SmallButton(C::UpdateButtonView);
  OnClick(view, [&app] { UpdateButtonView_Click(app); });
  grid->addWidget(view, 0, 3);
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

QGroupBox* BurnFrame(Ambrelin& app) {
  QGroupBox* frame = NewFrame(C::UpdateFrameStep3);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewCheck(C::UpdateCheckAutoBurn), 0, 0);
  grid->addWidget(NewCheck(C::UpdateCheckAutoReboot), 0, 1);
  grid->addWidget(NewCheck(C::UpdateCheckSound), 0, 2);
  grid->addWidget(NewCheck(C::UpdateCheckVerOld), 0, 3);
  QPushButton* restart = SmallButton(C::UpdateButtonRestart);
  OnClick(restart, [&app] { UpdateButtonRestart_Click(app); });
  grid->addWidget(restart, 1, 0);
  QPushButton* burn = NewButton(C::UpdateButtonUpdate);
  OnClick(burn, [&app] { UpdateButtonUpdate_Click(app, FillOption(app)); });
  grid->addWidget(burn, 1, 1, 1, 3);
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
  grid->addWidget(FileFrame(app), 0, 0);
  grid->addWidget(TargetFrame(), 1, 0);
  grid->addWidget(BurnFrame(app), 2, 0, 2, 1);
  grid->addWidget(NewLabel(C::DesktopLabelVer), 0, 1);
  QListWidget* info = NewList(C::UpdateListInfo);
  OnDoubleClick(info, [&app] { InfoList_DblClick(app); });
  grid->addWidget(info, 1, 1, 2, 1);
  grid->addWidget(NewTextArea(C::DesktopTextCode1), 3, 1);
  auto* timer = new QTimer(page);
  timer->setObjectName("SysTimer1");
  QObject::connect(timer, &QTimer::timeout, page, [&app] { SysTimer1_Timer(app); });
  timer->start(SysTimerMs);
  return page;
}

QGroupBox* DebugFrame(Ambrelin& app, Control frameControl, const DebugColumn& left, Control leftLabel,
                      const DebugColumn& right, Control rightLabel) {
  QGroupBox* frame = NewFrame(frameControl);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewTextBox(left.type), 0, 0, 1, 2);
  for (int side = 0; side < 2; ++side) {
    const DebugColumn& column = side == 0 ? left : right;
    const int at = side * 2;
    auto* address = new QHBoxLayout;
    address->addWidget(NewLabel(side == 0 ? leftLabel : rightLabel));
    address->addWidget(NewTextBox(column.address), 1);
    grid->addLayout(address, 1, at, 1, 2);
    grid->setColumnStretch(at, 1);
    for (int row = 0; row < 6; ++row) {
      grid->addWidget(NewTextBox(column.commands[row]), row + 2, at);
      QPushButton* button = SmallButton(column.buttons[row]);
      OnClick(button, [&app, &column, row] { DebugButton_Click(app, column, row); });
      grid->addWidget(button, row + 2, at + 1);
    }
  }
  return frame;
}

QWidget* NewDebugPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->addWidget(DebugFrame(app, C::DebugFrameTx1, DebugColumns[0], C::DebugLabelAddress1, DebugColumns[1],
                            C::DebugLabelAddress2));
  row->addWidget(DebugFrame(app, C::DebugFrameTx2, DebugColumns[2], C::DebugLabelAddress3, DebugColumns[3],
                            C::DebugLabelAddress4));
  return page;
}

// The input lists read as drop-down lists: the title shows until an entry is chosen.
QWidget* NewFunctionPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  for (int at = 0; at < static_cast<int>(InputLists.size()); ++at) {
    const InputList& list = InputLists[static_cast<size_t>(at)];
    QStringList entries;
    for (const std::string& entry : InputEntries(list)) entries << Qs(entry);
    DropDownCombo* combo = NewCombo(list.list, entries);
    combo->lineEdit()->setReadOnly(true);
    combo->setMinimumWidth(140);
    QObject::connect(combo, &QComboBox::activated, combo, [&app, &list] { ControlComboInput_Click(app, list); });
    grid->addWidget(combo, 0, at);
  }
  grid->addWidget(NewTextBox(C::ControlTextAddress), 1, 0);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(3, 1);
  return page;
}

QLineEdit* ValueBox(Control c) {
  QLineEdit* box = NewTextBox(c);
  box->setFixedWidth(48);
  return box;
}

// Vertical with the minimum at the top and keys that move the handle the way
// they point. Built at its initial position before it is wired, so opening the
// window sends nothing; it reports a position once it settles, not at every
// step of a drag.
QGroupBox* SliderFrame(Ambrelin& app, const DesktopSlider& s) {
  QGroupBox* frame = NewFrame(s.frame);
  auto* column = new QVBoxLayout(frame);
  QSlider* slider = NewSlider(s.slider, Qt::Vertical, s.minimum, s.maximum, s.initial);
  slider->setInvertedAppearance(true);
  slider->setInvertedControls(true);
  slider->setSingleStep(SmallChange);
  slider->setPageStep(LargeChange);
  slider->setTracking(false);
  QObject::connect(slider, &QSlider::valueChanged, slider, [&app, &s] { DesktopSlider_Change(app, s); });
  column->addWidget(slider, 1, Qt::AlignHCenter);
  column->addWidget(ValueBox(s.box));
  return frame;
}

QWidget* NewLevelPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  int at = 0;
  for (const DesktopSlider& s : DesktopSliders) grid->addWidget(SliderFrame(app, s), 0, at++);
  QGroupBox* balance = NewFrame(C::DecoderFrameLevelFl);
  auto* balanceColumn = new QVBoxLayout(balance);
  balanceColumn->addStretch();
  balanceColumn->addWidget(ValueBox(C::DecoderTextLevelFl));
  grid->addWidget(balance, 0, at);
  grid->addWidget(ValueBox(C::Trim1TextAddress), 1, 0);
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
  QPushButton* hex2Tot = NewButton(C::ToolButtonHex2Tot);
  OnClick(hex2Tot, [&app] { ToolButtonHex2Tot_Click(app); });
  conversions->addWidget(hex2Tot);
  conversions->addWidget(NewButton(C::ToolButtonHex2Bin));
  conversions->addWidget(NewButton(C::ToolButtonBin2Txt));
  column->addWidget(files);
  column->addWidget(NewButton(C::ToolButtonEdidBorn));
  QPushButton* charBorn = NewButton(C::ToolButtonCharBorn);
  OnClick(charBorn, [&app] { Show(app, CharBornFormControls::CharBornForm); });
  column->addWidget(charBorn);
  QPushButton* station = NewButton(StationFormControls::ToolButtonStation);
  OnClick(station, [&app] { Show(app, StationFormControls::StationForm); });
  column->addWidget(station);
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
    QWidget* content = page == BurnPage       ? NewBurnPage(app)
                       : page == DebugPage    ? NewDebugPage(app)
                       : page == BatchPage    ? NewBatchPage(app)
                       : page == FunctionPage ? NewFunctionPage(app)
                       : page == LevelPage    ? NewLevelPage(app)
                       : page == ChipPage     ? NewChipPage(app)
                       : page == ToolPage     ? NewToolPage(app)
                       : page == AboutPage    ? NewAboutPage()
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
  for (QWidget* window : QApplication::topLevelWidgets()) {
    for (auto* tray : window->findChildren<QSystemTrayIcon*>()) tray->hide();
    // The station stops its fixtures and waits for their last log lines.
    if (window->objectName() == Qs(StationFormControls::StationForm.window)) window->close();
  }
  DesktopForm_Unload(app);
  app.endProgram();
}

void ShowNotice(QWidget* desktopForm, const QString& text) {
  desktopForm->findChild<QStatusBar*>()->showMessage(text);
}
