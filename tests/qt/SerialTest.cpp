// The real window and the real port against the simulated unit on a
// pseudo-terminal.
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <sys/resource.h>

#include "Fakes.h"
#include "app/DesktopFormControls.h"
#include "app/QtControls.h"
#include "app/QtPlatform.h"
#include "app/Windows.h"
#include "link/ComPort.h"
#include "link/PortMap.h"
#include "link/QtSerialPort.h"
#include "link/TxRx.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

class SerialTest : public QObject {
  Q_OBJECT

  QProcess unit;
  QString device;
  QtSettingsStore settings;
  QtSerialPort port{settings};
  QtEventPump pump;
  RecordedDialogs dialogs;
  QtControls controls;
  Ambrelin a{controls, port, pump, dialogs, settings, DataFolder()};

  QString unitErrors;

  // Frames the unit reports as received since the last call, in hex.
  QStringList UnitLog() {
    unitErrors += QString::fromLatin1(unit.readAllStandardError());
    QStringList lines;
    while (unitErrors.contains('\n')) {
      const qsizetype end = unitErrors.indexOf('\n');
      if (unitErrors.startsWith("rx ")) lines << unitErrors.mid(3, end - 3);
      unitErrors.remove(0, end + 1);
    }
    return lines;
  }

  template <typename W>
  W* Get(Control c) {
    return qobject_cast<W*>(controls.Find(c));
  }

  // Starts a unit and pins COM7 to its pseudo-terminal.
  void StartUnit() {
    unit.start(AMBRELIN_UNIT, {"--log", "--quiet"});
    QVERIFY(unit.waitForStarted());
    QVERIFY(unit.waitForReadyRead(5000));
    device = QString::fromLatin1(unit.readLine()).trimmed();
    QVERIFY(device.startsWith("/dev/"));
    settings.Put(PortPinSection, "COM7", device.toStdString());
  }

  void ClickSwitch() { QTest::mouseClick(Get<QPushButton>(DesktopFormControls::DesktopButtonSelectComSwitch), Qt::LeftButton); }

 private slots:
  void initTestCase() {
    StartUnit();
    ConnectPort(a);
    RegisterWindows(controls, a);
  }


  void cleanupTestCase() {
    unit.terminate();
    unit.waitForFinished(3000);
  }

  void pinnedPortIsListedOpenedAndClosedFromTheWindow() {
    auto* combo = Get<QComboBox>(DesktopFormControls::DesktopSelectComPort);
    combo->showPopup();
    combo->hidePopup();
    const int entry = combo->findText("COM7 (" + device + ")");
    QVERIFY(entry >= 0);
    combo->setCurrentIndex(entry);

    ClickSwitch();
    QVERIFY(a.ComOpen);
    QVERIFY(port.IsOpen());
    QCOMPARE(port.port.baudRate(), 38400);
    QCOMPARE(Get<QPushButton>(DesktopFormControls::DesktopButtonSelectComSwitch)->text(), "关闭串口");
    QVERIFY(!combo->isEnabled());

    ClickSwitch();
    QVERIFY(!a.ComOpen);
    QVERIFY(!port.IsOpen());
    ClickSwitch();
    QVERIFY2(a.ComOpen, "the port opens again");
    QVERIFY(dialogs.messages.empty());
  }

  void frameArrivesByteExactAndTheReplyIsHeld() {
    QVERIFY(port.IsOpen());
    UnitLog();
    a.link.TxSequence = 0;
    a.link.ReplyWanted = true;
    TxByHex(a, "3", "0500 0020 1000");
    QVERIFY(pump.WaitUntil(pump.Now() + 3, [this] { return a.link.RxFrameReady; }));
    a.link.RxFrameReady = false;
    a.link.ReplyWanted = false;
    QCOMPARE(a.link.RxFrame[1], uint8_t{0x01});
    QCOMPARE(a.link.RxFrame[2], HostAddress);
    QCOMPARE(a.link.RxFrame[4], uint8_t{0x01});  // the request's sequence number
    QCOMPARE(a.link.RxFrame[6], uint8_t{0x05});
    QStringList received;
    QTRY_VERIFY((received += UnitLog()).size() >= 1);
    QCOMPARE(received, QStringList{"55 00 03 58 01 06 05 00 00 20 10 00 94 AA"});
  }

  void idleWaitSleepsUntilItsDeadline() {
    const double cpu = CpuSeconds();
    const double start = pump.Now();
    QVERIFY(!pump.WaitUntil(start + 0.5, [] { return false; }));
    const double waited = pump.Now() - start;
    QVERIFY(waited >= 0.5);
    QVERIFY2(CpuSeconds() - cpu < 0.1, "a wait must not spin");
  }

  void unknownPortFailsWithTheMessage() {
    ClickSwitch();  // close
    Get<QComboBox>(DesktopFormControls::DesktopSelectComPort)->setEditText("COM31");
    ClickSwitch();
    QVERIFY(!a.ComOpen);
    QCOMPARE(dialogs.messages, std::vector<std::string>{"打开串口失败 !"});
  }

  // The unit's end of the line closes mid-burn, as an unplugged adapter does.
  void aPortThatVanishesEndsTheBurnAndOpensAgain() {
    dialogs.messages.clear();
    Get<QComboBox>(DesktopFormControls::DesktopSelectComPort)->setEditText("COM7");
    ClickSwitch();
    QVERIFY(a.ComOpen);
    Get<QComboBox>(DesktopFormControls::UpdateSelectTarget)->setCurrentIndex(0);
    QTimer::singleShot(1500, &unit, &QProcess::kill);
    Get<QPushButton>(DesktopFormControls::UpdateButtonUpdate)->click();

    QCOMPARE(controls.Text(DesktopFormControls::UpdateLabelBurnState), "设置: 没有打开串口");
    QCOMPARE(controls.Text(DesktopFormControls::UpdateButtonUpdate), "开始烧录");
    QCOMPARE(dialogs.messages, std::vector<std::string>{"串口已断开 !"});
    QVERIFY(!a.ComOpen && !port.IsOpen() && !a.link.ReplyWanted);
    QCOMPARE(Get<QPushButton>(DesktopFormControls::DesktopButtonSelectComSwitch)->text(), "打开串口");
    QVERIFY(Get<QPushButton>(DesktopFormControls::DesktopButtonSelectComSwitch)->isEnabled());

    unit.waitForFinished(3000);
    StartUnit();
    ClickSwitch();
    QVERIFY2(a.ComOpen, "the port opens again");
    a.link.ReplyWanted = true;
    TxByHex(a, "3", "0500 0020 1000");
    QVERIFY(pump.WaitUntil(pump.Now() + 3, [this] { return a.link.RxFrameReady; }));
    a.link.RxFrameReady = false;
    a.link.ReplyWanted = false;
    QCOMPARE(a.link.RxFrame[6], uint8_t{0x05});
  }
};

QTEST_MAIN(SerialTest)
#include "SerialTest.moc"
