#include "panels/DecoderForm.h"

#include <QGridLayout>
#include <QTabWidget>
#include <span>

#include "app/Widgets.h"
#include "dspflash/FlashDownload.h"
#include "dspflash/FlashOpen.h"
#include "panels/DecoderFormControls.h"
#include "panels/DecoderPanel.h"

namespace C = DecoderFormControls;

namespace {

constexpr const char* PageCaptions[] = {"  Main", "Trim", "Tuner", "", "DSP", "DAC", "Tab 5", "Tab 6", "Update"};
enum Page { MainPage, TunerPage = 2, ReceiverPage, DspPage, UpdatePage = 8 };

constexpr int TuningStep = 5;

template <typename W>
W* Sending(Ambrelin& app, W* widget, Control c) {
  OnClick(widget, [&app, c] { DecoderControl_Click(app, c); });
  return widget;
}

// A frame of option buttons that send, laid out in columns.
QGroupBox* OptionFrame(Ambrelin& app, Control frameControl, std::initializer_list<Control> options, int rows) {
  QGroupBox* frame = NewFrame(frameControl);
  auto* grid = new QGridLayout(frame);
  int at = 0;
  for (Control c : options) {
    grid->addWidget(Sending(app, NewOption(c), c), at % rows, at / rows);
    ++at;
  }
  return frame;
}

QGroupBox* InputFrame(Ambrelin& app) {
  return OptionFrame(app, C::DecoderFrameInput,
                     {C::DecoderOptionInputA1, C::DecoderOptionInputA2, C::DecoderOptionInputA3,
                      C::DecoderOptionInputA4, C::DecoderOptionInputA5, C::DecoderOptionInputA6,
                      C::DecoderOptionInputA7, C::DecoderOptionInputA8, C::DecoderOptionInputRx0,
                      C::DecoderOptionInputRx1, C::DecoderOptionInputRx2, C::DecoderOptionInputRx3,
                      C::DecoderOptionInputRx4, C::DecoderOptionInputRx5, C::DecoderOptionInputRx6,
                      C::DecoderOptionInputRx7},
                     8);
}

QGroupBox* SizeFrame(Ambrelin& app) {
  QGroupBox* frame = NewFrame(C::DecoderFrameSize);
  auto* grid = new QGridLayout(frame);
  // The front group's "None" sends nothing.
  QGroupBox* front = OptionFrame(app, C::DecoderFrameSizeFront,
                                 {C::DecoderOptionSizeFrontSmall, C::DecoderOptionSizeFrontLarge}, 3);
  static_cast<QGridLayout*>(front->layout())->addWidget(NewOption(C::DecoderOptionSizeFrontNone), 2, 0);
  grid->addWidget(front, 0, 0);
  grid->addWidget(OptionFrame(app, C::DecoderFrameSizeWoofer,
                              {C::DecoderOptionSizeWooferNone, C::DecoderOptionSizeWooferYes}, 3),
                  0, 1);
  grid->addWidget(OptionFrame(app, C::DecoderFrameSizeCenter,
                              {C::DecoderOptionSizeCenterNone, C::DecoderOptionSizeCenterSmall,
                               C::DecoderOptionSizeCenterLarge},
                              3),
                  0, 2);
  grid->addWidget(OptionFrame(app, C::DecoderFrameSizeSurround,
                              {C::DecoderOptionSizeSurroundNone, C::DecoderOptionSizeSurroundSmall,
                               C::DecoderOptionSizeSurroundLarge},
                              3),
                  1, 0);
  grid->addWidget(OptionFrame(app, C::DecoderFrameSizeBack,
                              {C::DecoderOptionSizeBackNone, C::DecoderOptionSizeBackSmall,
                               C::DecoderOptionSizeBackLarge},
                              3),
                  1, 1);
  grid->addWidget(OptionFrame(app, C::DecoderFrameSizeBackCh,
                              {C::DecoderOptionSizeBack1Ch, C::DecoderOptionSizeBack2Ch}, 3),
                  1, 2);
  return frame;
}

QGroupBox* ModeFrame(Ambrelin& app) {
  QGroupBox* frame = OptionFrame(
      app, C::DecoderFrameMode,
      {C::DecoderOptionModeBypass, C::DecoderOptionModeStereo, C::DecoderOptionModeDsp1, C::DecoderOptionModeDsp2,
       C::DecoderOptionModeDsp3, C::DecoderOptionModeDsp4, C::DecoderOptionModeDsp5, C::DecoderOptionModeDsp6,
       C::DecoderOptionModeDsp7, C::DecoderOptionModeDsp8, C::DecoderOptionModePL, C::DecoderOptionModePL2A,
       C::DecoderOptionModePL2B, C::DecoderOptionModePL2xA, C::DecoderOptionModePL2xB, C::DecoderOptionModeNeo6A,
       C::DecoderOptionModeNeo6B, C::DecoderOptionModeDolbyD, C::DecoderOptionModeDolbyEx, C::DecoderOptionModeDts,
       C::DecoderOptionModeDtsEs},
      11);
  static_cast<QGridLayout*>(frame->layout())
      ->addWidget(Sending(app, NewButton(C::DecoderButtonQuerySignal), C::DecoderButtonQuerySignal), 10, 1);
  return frame;
}

QGroupBox* NoiseFrame(Ambrelin& app) {
  QGroupBox* frame = OptionFrame(app, C::DecoderFrameNoise,
                                 {C::DecoderOptionNoiseOff, C::DecoderOptionNoiseFl, C::DecoderOptionNoiseFr,
                                  C::DecoderOptionNoiseSw, C::DecoderOptionNoiseFc, C::DecoderOptionNoiseSl,
                                  C::DecoderOptionNoiseSr, C::DecoderOptionNoiseBl, C::DecoderOptionNoiseBr},
                                 1);
  static_cast<QGridLayout*>(frame->layout())->addWidget(NewCheck(C::DecoderCheckNoiseAuto), 0, 9);
  return frame;
}

QWidget* NewMainPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->addWidget(InputFrame(app), 0, 0, 2, 1);
  grid->addWidget(SizeFrame(app), 0, 1);
  grid->addWidget(ModeFrame(app), 0, 2, 2, 1);
  auto* switches = new QHBoxLayout;
  switches->addWidget(Sending(app, NewCheck(C::DecoderCheckMute), C::DecoderCheckMute));
  switches->addWidget(Sending(app, NewCheck(C::DecoderCheckNight), C::DecoderCheckNight));
  switches->addStretch();
  grid->addLayout(switches, 1, 1);
  grid->addWidget(NoiseFrame(app), 2, 0, 1, 3);
  return page;
}

void SwitchBand(Ambrelin& app, QSlider* slider, std::span<const SliderStep> band) {
  for (SliderStep step : band) {
    if (step.field == SliderStep::Minimum) slider->setMinimum(step.value);
    if (step.field == SliderStep::Position) slider->setValue(step.value);
    if (step.field == SliderStep::Maximum) slider->setMaximum(step.value);
  }
  DecoderBarTuning_Change(app);
}

QWidget* NewTunerPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  QGroupBox* frame = NewFrame(C::DecoderFrameTuning);
  auto* grid = new QGridLayout(frame);
  QSlider* bar = NewSlider(C::DecoderBarTuning, Qt::Horizontal, 8700, 10800, 8700);
  bar->setSingleStep(TuningStep);
  bar->setPageStep(TuningStep);
  QObject::connect(bar, &QSlider::valueChanged, bar, [&app] { DecoderBarTuning_Change(app); });
  QRadioButton* am = NewOption(C::DecoderOptionAm);
  OnClick(am, [&app, bar] { SwitchBand(app, bar, AmBand); });
  QRadioButton* fm = NewOption(C::DecoderOptionFm);
  fm->setChecked(true);
  OnClick(fm, [&app, bar] { SwitchBand(app, bar, FmBand); });
  grid->addWidget(am, 0, 0);
  grid->addWidget(fm, 0, 1);
  grid->addWidget(NewTextBox(C::DecoderTextTuningFreq), 0, 2);
  grid->addWidget(bar, 1, 0, 1, 3);
  column->addWidget(frame);
  column->addStretch();
  return page;
}

QWidget* LabelPage(std::initializer_list<Control> labels) {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  for (Control c : labels) column->addWidget(NewLabel(c));
  column->addStretch();
  return page;
}

QPushButton* Acting(QPushButton* button, std::function<void()> action) {
  OnClick(button, std::move(action));
  return button;
}

QWidget* NewUpdatePage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  QGroupBox* frame = NewFrame(C::AudioFlashFrame);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(Acting(NewButton(C::AudioFlashOpenEgg), [&app] { AudioFlashOpenEgg_Click(app); }), 0, 0);
  grid->addWidget(NewTextBox(C::AudioFlashEggName), 0, 1, 1, 3);
  grid->addWidget(NewLabel(C::AudioFlashEggDate), 1, 1);
  grid->addWidget(NewLabel(C::AudioFlashEggCodeSize), 1, 2);
  grid->addWidget(NewLabel(C::AudioFlashEggCodeCount), 1, 3);
  grid->addWidget(Acting(NewButton(C::AudioFlashOpenFlash), [&app] { AudioFlashOpenFlash_Click(app); }), 2, 0);
  grid->addWidget(NewTextBox(C::AudioFlashFlashName), 2, 1, 1, 3);
  grid->addWidget(NewLabel(C::AudioFlashFlashDate), 3, 1);
  grid->addWidget(NewLabel(C::AudioFlashFlashCodeSize), 3, 2);
  grid->addWidget(NewLabel(C::AudioFlashFlashCodeCount), 3, 3);
  grid->addWidget(Acting(NewButton(C::AudioFlashDownload), [&app] { AudioFlashDownload_Click(app); }), 4, 0);
  grid->addWidget(NewLabel(C::AudioFlashBurnInfo), 4, 1);
  grid->addWidget(NewLabel(C::AudioFlashBurnError), 4, 2);
  grid->addWidget(NewLabel(C::AudioFlashBurnTime), 4, 3);
  grid->addWidget(NewBar(C::AudioFlashBar), 5, 0, 1, 4);
  column->addWidget(frame);
  column->addStretch();
  return page;
}

QTabWidget* NewDecoderTable(Ambrelin& app) {
  auto* table = new QTabWidget;
  table->setObjectName(Qs(C::DecoderTable.name));
  for (int page = 0; page < static_cast<int>(std::size(PageCaptions)); ++page) {
    QWidget* content =
        page == MainPage       ? NewMainPage(app)
        : page == TunerPage    ? NewTunerPage(app)
        : page == ReceiverPage ? LabelPage({C::Cs8416Label00, C::Cs8416Label01, C::Cs8416Label02})
        : page == DspPage ? LabelPage({C::Cs49326LabelSignal, C::Cs49326LabelSample, C::Cs49326LabelChannel})
        : page == UpdatePage ? NewUpdatePage(app)
                             : new QWidget;
    table->addTab(content, QString::fromUtf8(PageCaptions[page]));
  }
  return table;
}

}  // namespace

// Where the window opens, in twips: cascaded with the other tool windows.
constexpr QPoint OpenPlace{1800, 1800};

QWidget* NewDecoderForm(Ambrelin& app) {
  QWidget* form = NewWindow(C::DecoderForm);
  auto* column = new QVBoxLayout(form);
  auto* top = new QHBoxLayout;
  QLineEdit* address = NewTextBox(C::DecoderTextAddress);
  address->setFixedWidth(40);
  top->addWidget(address);
  top->addStretch();
  column->addLayout(top);
  column->addWidget(NewDecoderTable(app), 1);
  OpenAt(form, OpenPlace);
  return form;
}
