#include "panels/HdmiForm.h"

#include <QGridLayout>
#include <QTabWidget>

#include "app/Widgets.h"
#include "panels/HdmiFormControls.h"
#include "panels/HdmiPanel.h"

namespace C = HdmiFormControls;

namespace {

constexpr const char* PageCaptions[] = {" Main ", "Switch", "Decoder", "Transmit", "Tab4", "Tab 5", "Tab 6", "Tab 7"};
enum Page { MainPage };

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

QTabWidget* NewHdmiTable(Ambrelin& app) {
  auto* table = new QTabWidget;
  table->setObjectName(Qs(C::HdmiTable.name));
  for (int page = 0; page < static_cast<int>(std::size(PageCaptions)); ++page)
    table->addTab(page == MainPage ? NewMainPage(app) : new QWidget, QString::fromUtf8(PageCaptions[page]));
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

QWidget* NewHdmiForm(Ambrelin& app) {
  QWidget* form = NewWindow(C::HdmiForm);
  auto* column = new QVBoxLayout(form);
  column->addLayout(OutsideRow(app));
  column->addWidget(NewHdmiTable(app), 1);
  return form;
}
