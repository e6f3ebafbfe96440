#include "panels/HdmiForm.h"

#include <QGridLayout>
#include <QTabWidget>
#include <span>

#include "app/Widgets.h"
#include "panels/HdmiFormControls.h"
#include "panels/HdmiPanel.h"
#include "panels/HdmiRegisters.h"

namespace C = HdmiFormControls;

namespace {

constexpr const char* PageCaptions[] = {" Main ", "Switch", "Decoder", "Transmit", "Tab4", "Tab 5", "Tab 6", "Tab 7"};
enum Page { MainPage, SwitchPage, DecoderPage, TransmitPage };

QPushButton* Button(Ambrelin& app, Control c) {
  QPushButton* button = NewButton(c);
  OnClick(button, [&app, c] { HdmiControl_Click(app, c); });
  return button;
}

QRadioButton* Option(Ambrelin& app, Control c) {
  QRadioButton* option = NewOption(c);
  OnClick(option, [&app, c] { HdmiControl_Click(app, c); });
  OnDoubleClick(option, [&app, c] { HdmiOption_DblClick(app, c); });
  return option;
}

QGroupBox* OptionFrame(Ambrelin& app, Control frameControl, std::initializer_list<Control> options) {
  QGroupBox* frame = NewFrame(frameControl);
  auto* column = new QVBoxLayout(frame);
  for (Control c : options) column->addWidget(Option(app, c));
  return frame;
}

QGroupBox* MuteFrame(Ambrelin& app) {
  QGroupBox* frame = NewFrame(C::HdmiFrameMute);
  auto* column = new QVBoxLayout(frame);
  for (Control c : {C::HdmiCheckMuteAudio, C::HdmiCheckMuteVideo}) {
    QCheckBox* check = NewCheck(c);
    OnClick(check, [&app, c] { HdmiCheckMute_Click(app, c); });
    column->addWidget(check);
  }
  return frame;
}

QVBoxLayout* ServiceColumn(Ambrelin& app) {
  auto* column = new QVBoxLayout;
  for (Control c : {C::HdmiCommandBurnEdid, C::HdmiCommandRxHdcp, C::HdmiCommandTxHdcp, C::HdmiCommandReadEdid,
                    C::HdmiCommandRxBoot, C::HdmiCommandTxBoot, C::HdmiCommandTxPlugOn, C::HdmiCommandTxPlugOff})
    column->addWidget(Button(app, c));
  QLineEdit* step = NewTextBox(C::HdmiTextHdmiStep);
  OnDoubleClick(step, [&app] { HdmiTextHdmiStep_DblClick(app); });
  column->addWidget(step);
  column->addStretch();
  return column;
}

QWidget* NewMainPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->addWidget(OptionFrame(app, C::HdmiFrameInput,
                              {C::HdmiOptionInputNone, C::HdmiOptionInput1, C::HdmiOptionInput2, C::HdmiOptionInput3,
                               C::HdmiOptionInput4}),
                  0, 0);
  grid->addWidget(OptionFrame(app, C::HdmiFrameHdcp,
                              {C::HdmiOptionHdcpOff, C::HdmiOptionHdcpOn, C::HdmiOptionRepeaterOn}),
                  1, 0);
  grid->addWidget(MuteFrame(app), 2, 0);
  grid->addWidget(OptionFrame(app, C::HdmiFrameDevice,
                              {C::HdmiOptionDeviceAuto, C::HdmiOptionDeviceDvi, C::HdmiOptionDeviceHdmi}),
                  0, 1);
  grid->addWidget(OptionFrame(app, C::HdmiFrameColorSpace,
                              {C::HdmiOptionColorSpaceAuto, C::HdmiOptionColorSpaceRgb, C::HdmiOptionColorSpaceYuv422,
                               C::HdmiOptionColorSpaceYuv444, C::HdmiOptionColorSpaceXvycc}),
                  1, 1, 2, 1);
  grid->addWidget(OptionFrame(app, C::HdmiFrameColorDepth,
                              {C::HdmiOptionColorDepthAuto, C::HdmiOptionColorDepth24, C::HdmiOptionColorDepth30,
                               C::HdmiOptionColorDepth36, C::HdmiOptionColorDepth48}),
                  0, 2, 2, 1);
  grid->addLayout(ServiceColumn(app), 0, 3, 3, 1);
  return page;
}

// A register label reads its register when clicked; a bit-field label only shows its placeholder.
QLabel* RegisterLabel(Ambrelin& app, Control c) {
  QLabel* label = NewLabel(c);
  if (c.name.find("Bit") == std::string_view::npos) OnLabelClick(label, [&app, c] { HdmiRegisterLabel_Click(app, c); });
  return label;
}

QWidget* NewSwitchPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  const Control labels[] = {C::Ad8197Label00, C::Ad8197Label01, C::Ad8197Label02};
  const Control boxes[] = {C::Ad8197Text00, C::Ad8197Text01, C::Ad8197Text10};
  for (int row = 0; row < 3; ++row) {
    grid->addWidget(RegisterLabel(app, labels[row]), row, 0);
    QLineEdit* box = NewTextBox(boxes[row]);
    box->setFixedWidth(60);
    OnDoubleClick(box, [&app, c = boxes[row]] { Ad8197Text_DblClick(app, c); });
    grid->addWidget(box, row, 1);
  }
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(2, 1);
  return page;
}

// One row per register label with its bit-field labels beside it, in the
// order of the page's list, and the page's buttons below.
QGridLayout* RegisterRows(Ambrelin& app, QWidget* page, std::span<const Control> controls) {
  auto* grid = new QGridLayout(page);
  int row = -1, column = 0;
  for (Control c : controls) {
    if (c.name.find("Label") == std::string_view::npos) continue;
    const bool bit = c.name.find("Bit") != std::string_view::npos;
    column = bit ? column + 1 : 0;
    if (!bit) ++row;
    grid->addWidget(RegisterLabel(app, c), row, column);
  }
  return grid;
}

QWidget* NewDecoderPage(Ambrelin& app) {
  auto* page = new QWidget;
  QGridLayout* grid = RegisterRows(app, page, C::DecoderPage);
  QPushButton* read = NewButton(C::Ad9880CommandReadReg);
  OnClick(read, [&app] { Ad9880CommandReadReg_Click(app); });
  grid->addWidget(read, grid->rowCount(), 0);
  return page;
}

QWidget* NewTransmitPage(Ambrelin& app) {
  auto* page = new QWidget;
  QGridLayout* grid = RegisterRows(app, page, C::TransmitPage);
  const int row = grid->rowCount();
  QPushButton* read = NewButton(C::Ad9889CommandReadReg);
  OnClick(read, [&app] { Ad9889CommandReadReg_Click(app); });
  grid->addWidget(read, row, 0);
  QCheckBox* power = NewCheck(C::Ad9889CheckPower);
  OnClick(power, [&app] { Ad9889CheckPower_Click(app); });
  grid->addWidget(power, row, 1);
  return page;
}

QWidget* NewPage(Ambrelin& app, int page) {
  switch (page) {
    case MainPage: return NewMainPage(app);
    case SwitchPage: return NewSwitchPage(app);
    case DecoderPage: return NewDecoderPage(app);
    case TransmitPage: return NewTransmitPage(app);
    default: return new QWidget;
  }
}

QTabWidget* NewHdmiTable(Ambrelin& app) {
  auto* table = new QTabWidget;
  table->setObjectName(Qs(C::HdmiTable.name));
  for (int page = 0; page < static_cast<int>(std::size(PageCaptions)); ++page)
    table->addTab(NewPage(app, page), QString::fromUtf8(PageCaptions[page]));
  return table;
}

// The controls that stay in reach whichever page is shown.
QHBoxLayout* OutsideRow(Ambrelin& app) {
  auto* row = new QHBoxLayout;
  QLineEdit* address = NewTextBox(C::HdmiTextAddress);
  address->setFixedWidth(40);
  row->addWidget(address);
  row->addWidget(OptionFrame(app, C::HdmiFrameOutput, {C::HdmiOptionOuputOn, C::HdmiOptionOuputOff}));
  row->addWidget(Button(app, C::HdmiCommandRxHalt));
  row->addWidget(Button(app, C::HdmiCommandTxHalt));
  row->addStretch();
  return row;
}

}  // namespace

// Where the window opens, in twips: cascaded with the other tool windows.
constexpr QPoint OpenPlace{1200, 1200};

QWidget* NewHdmiForm(Ambrelin& app) {
  QWidget* form = NewWindow(C::HdmiForm);
  auto* column = new QVBoxLayout(form);
  column->addLayout(OutsideRow(app));
  column->addWidget(NewHdmiTable(app), 1);
  OpenAt(form, OpenPlace);
  return form;
}
