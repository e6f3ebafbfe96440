// The HDMI window offscreen: its controls under their names and captions, and
// the user's clicks put the right frames on the port.
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "FrameText.h"
#include "QtRig.h"
#include "app/QtControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "panels/HdmiFormControls.h"
#include "panels/HdmiPanel.h"
#include "sim/VirtualLink.h"

namespace C = HdmiFormControls;

namespace {

struct Rig : QtRig {
  Rig() {
    link.port.Open(1, "38400,N,8,1");
  }
  // Laid out, so a click lands where a user's would.
  QWidget* Shown() {
    QWidget* form = controls.Window(C::HdmiForm.window);
    form->show();
    if (!QTest::qWaitForWindowExposed(form)) qFatal("the HDMI window is not exposed");
    return form;
  }
  // On the option's or check box's own caption, not past its end.
  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }
  // Through the window system, which turns two quick clicks into what a user's double-click gives.
  void DoubleClick(QWidget* widget) {
    const QPoint at = widget->mapTo(widget->window(), QPoint(6, widget->height() / 2));
    QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {}, at);
  }
};

QString Last(Rig& rig) { return QString::fromStdString(rig.writes.empty() ? "nothing" : DataText(rig.writes.back())); }

bool Within(QWidget* widget, QWidget* ancestor) { return ancestor->isAncestorOf(widget); }

}  // namespace

class HdmiFormTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlExistsWithItsKindAndCaption() {
    Rig rig;
    QCOMPARE(rig.Get<QWidget>(C::HdmiForm)->windowTitle(), "Hdmi Debug");
    QStringList faults;
    for (Control c : C::All) {
      QWidget* widget = rig.controls.Find(c);
      const QString name = Qs(c.name);
      if (!widget) {
        faults << name + " missing";
        continue;
      }
      if (c.name != c.window && widget->window()->findChildren<QWidget*>(name).size() != 1)
        faults << name + " not unique";
      if (rig.controls.Text(c) != c.caption)
        faults << name + ": \"" + Qs(rig.controls.Text(c)) + "\" not \"" + Qs(c.caption) + "\"";
      const bool kind = c.name.starts_with("HdmiCommand") ? qobject_cast<QPushButton*>(widget) != nullptr
                        : c.name.starts_with("HdmiOption") ? qobject_cast<QRadioButton*>(widget) != nullptr
                        : c.name.starts_with("HdmiCheck")  ? qobject_cast<QCheckBox*>(widget) != nullptr
                        : c.name.starts_with("HdmiFrame")  ? qobject_cast<QGroupBox*>(widget) != nullptr
                        : c.name.starts_with("HdmiText")   ? qobject_cast<QLineEdit*>(widget) != nullptr
                        : c.name == "HdmiTable"            ? qobject_cast<QTabWidget*>(widget) != nullptr
                                                           : widget->isWindow();
      if (!kind) faults << name + " is the wrong kind of widget";
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    // Each frame holds its own options, so choosing in one leaves the others.
    QVERIFY(Within(rig.Get<QWidget>(C::HdmiOptionColorSpaceXvycc), rig.Get<QWidget>(C::HdmiFrameColorSpace)));
    QVERIFY(Within(rig.Get<QWidget>(C::HdmiOptionOuputOff), rig.Get<QWidget>(C::HdmiFrameOutput)));
    QVERIFY(Within(rig.Get<QWidget>(C::HdmiCheckMuteVideo), rig.Get<QWidget>(C::HdmiFrameMute)));
    rig.Click(rig.Get<QRadioButton>(C::HdmiOptionInput2));
    rig.Click(rig.Get<QRadioButton>(C::HdmiOptionDeviceDvi));
    QVERIFY(rig.controls.Ticked(C::HdmiOptionInput2) && rig.controls.Ticked(C::HdmiOptionDeviceDvi));
  }

  void pagesInOrderWithTheHaltsOutputAndAddressOutside() {
    Rig rig;
    auto* table = rig.Get<QTabWidget>(C::HdmiTable);
    const std::vector<std::string> pages{" Main ", "Switch", "Decoder", "Transmit", "Tab4", "Tab 5", "Tab 6", "Tab 7"};
    QVERIFY(rig.controls.Entries(C::HdmiTable) == pages);
    const std::vector<Control> outside{C::HdmiCommandRxHalt, C::HdmiCommandTxHalt, C::HdmiFrameOutput,
                                       C::HdmiOptionOuputOn, C::HdmiOptionOuputOff, C::HdmiTextAddress};
    for (Control c : C::All) {
      if (c.name == "HdmiForm" || c.name == "HdmiTable") continue;
      const bool isOutside = std::find_if(outside.begin(), outside.end(), [c](Control o) { return o.name == c.name; }) !=
                             outside.end();
      QVERIFY2(Within(rig.controls.Find(c), table) != isOutside, c.name.data());
      if (!isOutside) QVERIFY2(Within(rig.controls.Find(c), table->widget(0)), c.name.data());
    }
    for (int page = 4; page < table->count(); ++page)
      QVERIFY2(table->widget(page)->findChildren<QWidget*>().isEmpty(), qPrintable(table->tabText(page)));
  }

  void openingTheWindowSendsNothing() {
    Rig rig;
    rig.controls.SetVisible(C::HdmiForm, true);
    QVERIFY(rig.controls.Visible(C::HdmiForm));
    QVERIFY(rig.writes.empty());
  }

  void eachButtonAndOptionSendsItsOwnCommandToTheAddressBox() {
    Rig rig;
    rig.Shown();
    rig.Get<QLineEdit>(C::HdmiTextAddress)->setText("5");
    QStringList faults;
    auto check = [&](const HdmiCommand& entry) {
      const size_t before = rig.writes.size();
      rig.Click(rig.Get<QAbstractButton>(entry.control));
      const QString expected = Qs(entry.command).toUpper();
      if (rig.writes.size() != before + 1)
        faults << Qs(entry.control.name) + " sent " + QString::number(rig.writes.size() - before) + " frames";
      else if (Last(rig) != expected || rig.writes.back()[2] != 5)
        faults << Qs(entry.control.name) + " sent " + Last(rig);
    };
    for (const HdmiCommand& button : HdmiCommands::Buttons) check(button);
    for (const HdmiCommand& option : HdmiCommands::Options) check(option);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QCOMPARE(rig.writes.size(), std::size(HdmiCommands::Buttons) + std::size(HdmiCommands::Options));

    rig.Click(rig.Get<QRadioButton>(C::HdmiOptionColorSpaceXvycc));
    QVERIFY(rig.controls.Ticked(C::HdmiOptionColorSpaceXvycc));
    QCOMPARE(rig.writes.size(), std::size(HdmiCommands::Buttons) + std::size(HdmiCommands::Options));
  }

  void stepBoxDoubleClickSendsTheStep() {
    Rig rig;
    rig.Shown();
    auto* step = rig.Get<QLineEdit>(C::HdmiTextHdmiStep);
    QTest::mouseDClick(step, Qt::LeftButton);
    QVERIFY(rig.writes.empty());
    QCOMPARE(rig.dialogs.messages, std::vector<std::string>{"TxByHex, 出错 !"});
    step->setText("0A");
    QTest::mouseDClick(step, Qt::LeftButton);
    QCOMPARE(rig.writes.size(), size_t(1));
    QCOMPARE(Last(rig), "0500 0000 000A");
    QCOMPARE(rig.writes.back()[2], uint8_t(3));
  }

  void muteCheckSendsByItsTickAfterTheClick() {
    Rig rig;
    rig.Shown();
    auto* audio = rig.Get<QCheckBox>(C::HdmiCheckMuteAudio);
    rig.Click(audio);
    QVERIFY(audio->isChecked());
    QCOMPARE(Last(rig), "0502 0001 0001");
    rig.Click(audio);
    QCOMPARE(Last(rig), "0502 0001 0000");
    rig.Click(rig.Get<QCheckBox>(C::HdmiCheckMuteVideo));
    QCOMPARE(Last(rig), "0503 0001 0001");
    QCOMPARE(rig.writes.size(), size_t(3));
  }

  void optionDoubleClickSendsAgainOnlyWhereTheRuleSays_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("frames");
    QTest::newRow("single click on Hdmi 2") << "HdmiOptionInput2" << false << "0201 0006 0002" << 1;
    QTest::newRow("double-click on Hdmi 2") << "HdmiOptionInput2" << true << "0201 0006 0002" << 2;
    QTest::newRow("double-click on Enable Hdmi Ouput") << "HdmiOptionOuputOn" << true << "0501 0010 0001" << 2;
    QTest::newRow("double-click on Disable Hdmi Output") << "HdmiOptionOuputOff" << true << "0501 0010 0000" << 1;
    QTest::newRow("double-click on 30Bit") << "HdmiOptionColorDepth30" << true << "0503 0012 001E" << 1;
  }
  void optionDoubleClickSendsAgainOnlyWhereTheRuleSays() {
    QFETCH(QString, option);
    QFETCH(bool, doubleClick);
    QFETCH(QString, command);
    QFETCH(int, frames);
    Rig rig;
    auto* button = rig.Shown()->findChild<QRadioButton*>(option);
    QVERIFY(button);
    if (doubleClick)
      rig.DoubleClick(button);
    else
      rig.Click(button);
    QCOMPARE(static_cast<int>(rig.writes.size()), frames);
    for (const auto& frame : rig.writes) QCOMPARE(QString::fromStdString(DataText(frame)), command);
    QVERIFY(button->isChecked());
  }
};

QTEST_MAIN(HdmiFormTest)
#include "HdmiFormTest.moc"
