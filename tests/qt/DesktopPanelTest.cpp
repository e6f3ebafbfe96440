// The sound panel and the debug page of the main window, offscreen: the
// widgets are built with their ranges, steps and texts, and a user's action
// puts its frame on the port.
#include <QAbstractItemView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "QtRig.h"
#include "app/DesktopForm.h"
#include "app/DesktopFormControls.h"
#include "app/QtControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "panels/DebugPanel.h"
#include "panels/DesktopPanel.h"
#include "sim/VirtualLink.h"

namespace Main = DesktopFormControls;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr int FunctionPage = 3, LevelPage = 4;

struct Rig : QtRig {
  Rig() {
    link.port.present = {{3, "/dev/ttyFake3"}};
  }
  QWidget* Page(int page) { return Get<QTabWidget>(Main::MainTable)->widget(page); }
  // Address byte and command bytes of the last frame written.
  Bytes Sent() {
    if (port.writes.empty()) return {};
    const Bytes& f = port.writes.back();
    Bytes sent{f[2]};
    sent.insert(sent.end(), f.begin() + 6, f.end() - 2);
    return sent;
  }
  // Types over the text of a box as a user would.
  void Type(Control box, const QString& text) {
    auto* edit = Get<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
};

}  // namespace

class DesktopPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void slidersAndListsAreBuiltWithTheirRangesAndTexts() {
    Rig rig;
    QWidget* levels = rig.Page(LevelPage);
    for (const DesktopSlider& s : DesktopSliders) {
      auto* slider = rig.Get<QSlider>(s.slider);
      const char* name = s.slider.name.data();
      QVERIFY2(slider->orientation() == Qt::Vertical && slider->invertedAppearance(), name);
      QVERIFY2(slider->minimum() == s.minimum && slider->maximum() == s.maximum, name);
      QVERIFY2(slider->value() == s.initial, name);
      QVERIFY2(slider->singleStep() == 1 && slider->pageStep() == 5, name);
      QVERIFY2(slider->parentWidget() == rig.Get<QGroupBox>(s.frame), name);
      QVERIFY2(levels->isAncestorOf(slider), name);
      QCOMPARE(rig.Get<QLineEdit>(s.box)->text(), Qs(s.box.caption));
    }
    QVERIFY(levels->isAncestorOf(rig.Get<QLineEdit>(Main::Trim1TextAddress)));
    QVERIFY(levels->isAncestorOf(rig.Get<QLineEdit>(Main::DecoderTextLevelFl)));
    QCOMPARE(rig.Get<QGroupBox>(Main::DecoderFrameLevelFl)->title(), "Balance");

    QWidget* function = rig.Page(FunctionPage);
    QVERIFY(function->isAncestorOf(rig.Get<QLineEdit>(Main::ControlTextAddress)));
    QCOMPARE(rig.controls.Text(Main::ControlTextAddress), "1");
    for (const InputList& l : InputLists) {
      auto* combo = rig.Get<QComboBox>(l.list);
      QVERIFY(function->isAncestorOf(combo));
      QCOMPARE(combo->currentIndex(), -1);
      QCOMPARE(rig.controls.Text(l.list), std::string(l.list.caption));
      QCOMPARE(combo->count(), 8);
      QCOMPARE(combo->itemText(7), QString("%1 8").arg(Qs(l.entry)));
    }
  }

  void nothingIsSentWhenTheWindowOpens() {
    Rig rig;
    QVERIFY(rig.port.Open(3, "38400,N,8,1"));
    StartUp(rig.app);
    rig.controls.Window(Main::DesktopForm.window)->show();
    QCoreApplication::processEvents();
    QVERIFY(rig.port.writes.empty());
    QVERIFY(rig.port.dropped.empty());
    QVERIFY(rig.dialogs.messages.empty());
  }

  void keysOnASliderSendOneCommandPerStep() {
    Rig rig;
    QVERIFY(rig.port.Open(3, "38400,N,8,1"));
    rig.Type(Main::Trim1TextAddress, "7");
    auto* fl = rig.Get<QSlider>(Main::DesktopSliderLevelFl);
    // Down the slider is towards the bottom, the larger position.
    QTest::keyClick(fl, Qt::Key_Down);
    QCOMPARE(fl->value(), 1);
    QCOMPARE(rig.port.writes.size(), size_t(1));
    QCOMPARE(rig.Sent(), (Bytes{0x07, 0x01, 0x02, 0x00, 0x11, 0x00, 0xFF}));
    QCOMPARE(rig.Get<QLineEdit>(Main::DesktopTextLevelFl)->text(), "-1");

    QTest::keyClick(fl, Qt::Key_PageUp);
    QCOMPARE(fl->value(), -4);
    QCOMPARE(rig.port.writes.size(), size_t(2));
    QCOMPARE(rig.Sent(), (Bytes{0x07, 0x01, 0x02, 0x00, 0x11, 0x00, 0x04}));
    QCOMPARE(rig.Get<QLineEdit>(Main::DesktopTextLevelFl)->text(), "4");

    auto* volume = rig.Get<QSlider>(Main::DesktopSliderLevelMain);
    QTest::keyClick(volume, Qt::Key_Home);
    QCOMPARE(rig.Sent(), (Bytes{0x07, 0x01, 0x02, 0x00, 0x01, 0x00, 0x5A}));
    QCOMPARE(rig.Get<QLineEdit>(Main::DesktopTextLevelMain)->text(), "0");
    QCOMPARE(rig.port.writes.size(), size_t(3));
  }

  void aDragSendsOnceWhenTheSliderIsLetGo() {
    Rig rig;
    QVERIFY(rig.port.Open(3, "38400,N,8,1"));
    auto* delay = rig.Get<QSlider>(Main::DesktopSliderDelayS);
    delay->setSliderDown(true);
    for (int p = 9; p >= 2; --p) delay->setSliderPosition(p);
    QVERIFY(rig.port.writes.empty());
    delay->setSliderDown(false);
    QCOMPARE(rig.port.writes.size(), size_t(1));
    QCOMPARE(rig.Sent(), (Bytes{0x01, 0x01, 0x04, 0x00, 0x03, 0x00, 0x0D}));
    QCOMPARE(rig.Get<QLineEdit>(Main::DesktopTextDelayS)->text(), "13mS");
  }

  void choosingAnInputSendsItsCommand() {
    Rig rig;
    QVERIFY(rig.port.Open(3, "38400,N,8,1"));
    rig.Type(Main::ControlTextAddress, "5");
    auto* analog = rig.Get<QComboBox>(Main::ControlComboInputAnalog);
    for (int press = 0; press < 3; ++press) QTest::keyClick(analog, Qt::Key_Down);
    QCOMPARE(rig.controls.Text(Main::ControlComboInputAnalog), "Analog 3");
    QCOMPARE(rig.port.writes.size(), size_t(3));
    QCOMPARE(rig.Sent(), (Bytes{0x05, 0x02, 0x01, 0x00, 0x01, 0x00, 0x03}));

    auto* hdmi = rig.Get<QComboBox>(Main::ControlComboInputHdmi);
    hdmi->showPopup();
    QAbstractItemView* view = hdmi->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(7, 0)).center());
    QTRY_COMPARE(rig.port.writes.size(), size_t(4));
    QCOMPARE(rig.Sent(), (Bytes{0x05, 0x02, 0x01, 0x00, 0x06, 0x00, 0x08}));
    QCOMPARE(hdmi->currentText(), "Hdmi 8");
    QVERIFY(rig.dialogs.messages.empty());
  }

  void debugButtonsSendTheirBoxes() {
    Rig rig;
    QVERIFY(rig.port.Open(3, "38400,N,8,1"));
    rig.Type(Main::DebugTextAddressA, "1A");
    rig.Type(Main::DebugTextAddressB, "2B");
    for (int k = 0; k < 4; ++k) {
      const DebugColumn& column = DebugColumns[size_t(k)];
      rig.Type(column.address, QString::number(11 + k));
      for (int row = 0; row < 6; ++row) rig.Type(column.commands[size_t(row)], QString("C%1 %2").arg(k).arg(row));
    }
    for (int k = 0; k < 4; ++k)
      for (int row = 0; row < 6; ++row) {
        const Control button = DebugColumns[size_t(k)].buttons[size_t(row)];
        QTest::mouseClick(rig.Get<QPushButton>(button), Qt::LeftButton);
        QVERIFY2(rig.port.writes.size() == size_t(k * 6 + row + 1), button.name.data());
        QVERIFY2(rig.port.writes.back()[1] == (k < 2 ? 0x1A : 0x2B), button.name.data());
        QVERIFY2(rig.Sent() == (Bytes{uint8_t(0x11 + k), uint8_t(0xC0 + k), uint8_t(row)}), button.name.data());
      }
  }

  void debugBoxesComeBackAtStartAndAreSavedAtShutdown() {
    Rig rig;
    std::vector<Control> boxes;
    for (const DebugColumn& column : DebugColumns) {
      for (Control c : {column.type, column.address})
        if (std::none_of(boxes.begin(), boxes.end(), [c](Control b) { return b.name == c.name; })) boxes.push_back(c);
      boxes.insert(boxes.end(), column.commands.begin(), column.commands.end());
    }
    QCOMPARE(boxes.size(), size_t(30));
    for (Control box : boxes) rig.settings.Put("Debug", box.name, "stored " + std::string(box.name));
    StartUp(rig.app);
    for (Control box : boxes) QCOMPARE(rig.Get<QLineEdit>(box)->text(), "stored " + Qs(box.name));

    for (Control box : boxes) rig.Type(box, "typed " + Qs(box.name));
    rig.settings.values.clear();
    rig.controls.Window(Main::DesktopForm.window)->close();
    for (Control box : boxes) QCOMPARE(rig.settings.Get("Debug", box.name), "typed " + std::string(box.name));
  }
};

QTEST_MAIN(DesktopPanelTest)
#include "DesktopPanelTest.moc"
