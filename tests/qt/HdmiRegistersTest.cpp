// The HDMI window's register pages offscreen: their controls under their
// names and captions on the right page, and clicks that reach the unit.
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "FrameText.h"
#include "QtRig.h"
#include "app/DesktopFormControls.h"
#include "app/QtControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "link/TxRx.h"
#include "panels/HdmiFormControls.h"
#include "sim/VirtualLink.h"

namespace C = HdmiFormControls;

namespace {

struct Rig : QtRig {
  Rig() {
    link.port.Open(1, "38400,N,8,1");
  }
  // The page shown, laid out, so a click lands where a user's would.
  void Show(int page) {
    QWidget* form = controls.Window(C::HdmiForm.window);
    Get<QTabWidget>(C::HdmiTable)->setCurrentIndex(page);
    form->show();
    if (!QTest::qWaitForWindowExposed(form)) qFatal("the HDMI window is not exposed");
  }
};

QString Last(Rig& rig) { return QString::fromStdString(rig.writes.empty() ? "nothing" : DataText(rig.writes.back())); }

struct Page {
  int index;
  std::span<const Control> controls;
};
const Page Pages[] = {{1, C::SwitchPage}, {2, C::DecoderPage}, {3, C::TransmitPage}};

}  // namespace

class HdmiRegistersTest : public QObject {
  Q_OBJECT

 private slots:
  void everyRegisterControlIsOnItsPageWithItsCaption() {
    Rig rig;
    auto* table = rig.Get<QTabWidget>(C::HdmiTable);
    QCOMPARE(table->tabText(1), "Switch");
    QCOMPARE(table->tabText(2), "Decoder");
    QCOMPARE(table->tabText(3), "Transmit");
    QStringList faults;
    for (const Page& page : Pages)
      for (Control c : page.controls) {
        const QString name = Qs(c.name);
        QWidget* widget = rig.controls.Find(c);
        if (!widget) {
          faults << name + " missing";
          continue;
        }
        if (widget->window()->findChildren<QWidget*>(name).size() != 1) faults << name + " not unique";
        if (!table->widget(page.index)->isAncestorOf(widget)) faults << name + " not on page " + table->tabText(page.index);
        if (rig.controls.Text(c) != c.caption)
          faults << name + ": \"" + Qs(rig.controls.Text(c)) + "\" not \"" + Qs(c.caption) + "\"";
        const bool kind = name.contains("Label")     ? qobject_cast<QLabel*>(widget) != nullptr
                          : name.contains("Text")    ? qobject_cast<QLineEdit*>(widget) != nullptr
                          : name.contains("Command") ? qobject_cast<QPushButton*>(widget) != nullptr
                                                     : qobject_cast<QCheckBox*>(widget) != nullptr;
        if (!kind) faults << name + " is the wrong kind of widget";
      }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QVERIFY(rig.writes.empty());
  }

  void labelClickReadsItsRegisterAndBitLabelsStayQuiet() {
    Rig rig;
    rig.Show(3);
    rig.Get<QLineEdit>(C::HdmiTextAddress)->setText("4");
    QTest::mouseClick(rig.Get<QLabel>(C::Ad9889Labelaf), Qt::LeftButton);
    QCOMPARE(rig.writes.size(), size_t(1));
    QCOMPARE(Last(rig), "0500 0030 AF00");
    QCOMPARE(rig.writes.back()[2], uint8_t(4));
    QTest::mouseClick(rig.Get<QLabel>(C::Ad9889LabelafBit7), Qt::LeftButton);
    QTest::mouseClick(rig.Get<QLabel>(C::Ad9889Labelaf), Qt::RightButton);
    QCOMPARE(rig.writes.size(), size_t(1));
    rig.Show(2);
    QTest::mouseClick(rig.Get<QLabel>(C::Ad9880Label5B), Qt::LeftButton);
    QCOMPARE(Last(rig), "0500 0020 5B00");
  }

  void switchBoxDoubleClickWritesWhatIsTyped() {
    Rig rig;
    rig.Show(1);
    auto* box = rig.Get<QLineEdit>(C::Ad8197Text00);
    QTest::mouseDClick(box, Qt::LeftButton);
    QVERIFY(rig.writes.empty());
    QCOMPARE(rig.dialogs.messages, std::vector<std::string>{"TxByHex, 出错 !"});
    box->setText("3C");
    QTest::mouseDClick(box, Qt::LeftButton);
    QCOMPARE(Last(rig), "0500 0011 003C");
    QTest::mouseClick(rig.Get<QLabel>(C::Ad8197Label01), Qt::LeftButton);
    QCOMPARE(Last(rig), "0500 0010 0100");
  }

  void powerCheckAndReadRegReachTheUnit() {
    Rig rig;
    rig.Show(3);
    auto* power = rig.Get<QCheckBox>(C::Ad9889CheckPower);
    QTest::mouseClick(power, Qt::LeftButton, {}, QPoint(6, power->height() / 2));
    QCOMPARE(Last(rig), "0500 0031 4110");
    rig.link.pump.WaitUntil(rig.link.pump.Now() + 0.1, [] { return false; });
    QCOMPARE(rig.link.unit.hdmi.ad9889[0x41], uint8_t(0x10));

    rig.writes.clear();
    QTest::mouseClick(rig.Get<QPushButton>(C::Ad9889CommandReadReg), Qt::LeftButton);
    QCOMPARE(rig.writes.size(), size_t(256));
    QCOMPARE(rig.app.code.Buffer[0x41], uint8_t(0x10));
    QCOMPARE(rig.controls.Text(DesktopFormControls::UpdateLabelBurnState), "写入: 读取0xFF");
    QVERIFY(rig.Get<QPushButton>(C::Ad9889CommandReadReg)->isEnabled());

    rig.link.unit.hdmi.wrongChipAt = 0x10;
    rig.Show(2);
    QTest::mouseClick(rig.Get<QPushButton>(C::Ad9880CommandReadReg), Qt::LeftButton);
    QCOMPARE(rig.controls.Text(DesktopFormControls::UpdateLabelBurnState), "写入:通信错0x10");
    QVERIFY(!rig.app.link.ReplyWanted);
  }
};

QTEST_MAIN(HdmiRegistersTest)
#include "HdmiRegistersTest.moc"
