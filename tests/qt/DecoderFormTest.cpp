// The audio decoder window offscreen: its controls with their captions, its
// pages, and clicks that reach the wire.
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "QtRig.h"
#include "app/QtControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "panels/DecoderFormControls.h"
#include "sim/VirtualLink.h"

namespace C = DecoderFormControls;

namespace {

using Bytes = std::vector<uint8_t>;

struct Rig : QtRig {
  Rig() {
    port.Open(1, "38400,N,8,1");
    controls.SetVisible(C::DecoderForm, true);
  }
  // Clicks the control on its page, as a user would.
  void Click(Control c, int page) {
    controls.SetIndex(C::DecoderTable, page);
    QTest::mouseClick(Get<QAbstractButton>(c), Qt::LeftButton);
  }
};

// The frame's address byte and command bytes.
std::pair<int, Bytes> Frame(const Bytes& f) { return {f[2], Bytes(f.begin() + 6, f.end() - 2)}; }

const char* Kind(std::string_view name) {
  const std::pair<std::string_view, const char*> kinds[] = {
      {"DecoderOption", "QRadioButton"}, {"DecoderCheck", "QCheckBox"}, {"DecoderButton", "QPushButton"},
      {"DecoderFrame", "QGroupBox"},     {"DecoderText", "QLineEdit"},  {"DecoderBar", "QSlider"},
      {"DecoderTable", "QTabWidget"},    {"Cs", "QLabel"},              {"DecoderForm", "QWidget"},
      {"AudioFlashOpen", "QPushButton"}, {"AudioFlashDownload", "QPushButton"}, {"AudioFlashEggName", "QLineEdit"},
      {"AudioFlashFlashName", "QLineEdit"}, {"AudioFlashBar", "QProgressBar"}, {"AudioFlashFrame", "QGroupBox"},
      {"AudioFlash", "QLabel"}};
  for (auto [prefix, kind] : kinds)
    if (name.starts_with(prefix)) return kind;
  return "";
}

}  // namespace

class DecoderFormTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlIsTheRightWidgetWithItsCaption() {
    Rig rig;
    QStringList faults;
    for (Control c : C::All) {
      QWidget* widget = rig.controls.Find(c);
      if (!widget) {
        faults << Qs(c.name) + " missing";
        continue;
      }
      if (!widget->inherits(Kind(c.name))) faults << Qs(c.name) + " is a " + widget->metaObject()->className();
      if (rig.controls.Text(c) != c.caption) faults << Qs(c.name) + ": \"" + Qs(rig.controls.Text(c)) + "\"";
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QVERIFY(rig.port.writes.empty());
  }

  void pagesInOrderHoldTheirControls() {
    Rig rig;
    auto* table = rig.Get<QTabWidget>(C::DecoderTable);
    const std::vector<std::string> pages{"  Main", "Trim", "Tuner", "", "DSP", "DAC", "Tab 5", "Tab 6", "Update"};
    QVERIFY(rig.controls.Entries(C::DecoderTable) == pages);
    const std::pair<int, Control> placed[] = {
        {0, C::DecoderFrameInput},  {0, C::DecoderFrameSize},   {0, C::DecoderFrameMode},
        {0, C::DecoderFrameNoise},  {0, C::DecoderCheckMute},   {0, C::DecoderCheckNight},
        {2, C::DecoderFrameTuning}, {3, C::Cs8416Label02},      {4, C::Cs49326LabelChannel},
    };
    for (auto [page, c] : placed) QVERIFY2(table->widget(page)->isAncestorOf(rig.controls.Find(c)), c.name.data());
    QVERIFY(rig.Get<QGroupBox>(C::DecoderFrameMode)->isAncestorOf(rig.controls.Find(C::DecoderButtonQuerySignal)));
    QVERIFY(rig.Get<QGroupBox>(C::DecoderFrameNoise)->isAncestorOf(rig.controls.Find(C::DecoderCheckNoiseAuto)));
    QVERIFY(rig.Get<QGroupBox>(C::DecoderFrameSizeFront)->isAncestorOf(rig.controls.Find(C::DecoderOptionSizeFrontNone)));
    QVERIFY(rig.Get<QGroupBox>(C::DecoderFrameSize)->isAncestorOf(rig.controls.Find(C::DecoderFrameSizeBackCh)));
    QVERIFY(table->widget(8)->isAncestorOf(rig.controls.Find(C::AudioFlashFrame)));
    for (int empty : {1, 5, 6, 7}) QVERIFY(table->widget(empty)->findChildren<QWidget*>().isEmpty());
  }

  void clicksPutTheirFramesOnThePort() {
    Rig rig;
    rig.Click(C::DecoderOptionModeDolbyD, 0);
    QCOMPARE(Frame(rig.port.writes.back()), std::make_pair(2, Bytes{0x03, 0x01, 0x00, 0x00, 0x00, 0x61}));
    rig.Click(C::DecoderCheckMute, 0);
    QCOMPARE(Frame(rig.port.writes.back()), std::make_pair(2, Bytes{0x01, 0x01, 0x00, 0x01, 0x00, 0x01}));
    rig.Click(C::DecoderCheckMute, 0);
    QCOMPARE(Frame(rig.port.writes.back()), std::make_pair(2, Bytes{0x01, 0x01, 0x00, 0x01, 0x00, 0x00}));
    rig.controls.SetText(C::DecoderTextAddress, "5");
    rig.Click(C::DecoderButtonQuerySignal, 0);
    QCOMPARE(Frame(rig.port.writes.back()), std::make_pair(5, Bytes{0x04, 0x01, 0x00, 0x01, 0x00, 0x00}));
    QCOMPARE(rig.port.writes.size(), size_t(4));

    // Each frame is its own group of options.
    rig.Click(C::DecoderOptionInputRx0, 0);
    QCOMPARE(Frame(rig.port.writes.back()).second, (Bytes{0x02, 0x01, 0x00, 0x02, 0x00, 0x01}));
    QVERIFY(rig.controls.Ticked(C::DecoderOptionModeDolbyD) && rig.controls.Ticked(C::DecoderOptionInputRx0));

    // The controls without behaviour stay quiet.
    rig.Click(C::DecoderCheckNoiseAuto, 0);
    rig.Click(C::DecoderOptionSizeFrontNone, 0);
    QCOMPARE(rig.port.writes.size(), size_t(5));
  }

  void tunerSwitchesBandsAndShowsTheFrequency() {
    Rig rig;
    auto* bar = rig.Get<QSlider>(C::DecoderBarTuning);
    QVERIFY(rig.controls.Ticked(C::DecoderOptionFm));
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(std::make_tuple(bar->minimum(), bar->value(), bar->maximum()), std::make_tuple(8700, 8700, 10800));
    QCOMPARE(std::make_pair(bar->singleStep(), bar->pageStep()), std::make_pair(5, 5));
    QCOMPARE(rig.controls.Text(C::DecoderTextTuningFreq), "---");

    rig.Click(C::DecoderOptionAm, 2);
    QCOMPARE(std::make_tuple(bar->minimum(), bar->value(), bar->maximum()), std::make_tuple(530, 999, 1622));
    QCOMPARE(rig.controls.Text(C::DecoderTextTuningFreq), "999");
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(rig.controls.Text(C::DecoderTextTuningFreq), "1004");

    rig.Click(C::DecoderOptionFm, 2);
    QCOMPARE(std::make_tuple(bar->minimum(), bar->value(), bar->maximum()), std::make_tuple(8700, 9800, 10800));
    QCOMPARE(rig.controls.Text(C::DecoderTextTuningFreq), "98.00");
    rig.controls.SetValue(C::DecoderBarTuning, 10790);
    QCOMPARE(rig.controls.Text(C::DecoderTextTuningFreq), "107.90");
    QVERIFY(rig.port.writes.empty());
  }
};

QTEST_MAIN(DecoderFormTest)
#include "DecoderFormTest.moc"
