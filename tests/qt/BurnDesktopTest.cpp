// The burner window offscreen: the language switch on the live window, its
// controls forwarded to their twins, and the start button burning a chip of
// the simulated unit over a pseudo-terminal.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "QtRig.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/QtControls.h"
#include "app/QtPlatform.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "link/ComPort.h"
#include "link/PortMap.h"
#include "link/QtSerialPort.h"
#include "sim/VirtualLink.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

namespace {

// The windows over the in-process unit.
struct Rig : QtRig {
  void Click(Control c) { Get<QAbstractButton>(c)->click(); }
  QString Text(Control c) { return Qs(controls.Text(c)); }
};

}  // namespace

class BurnDesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void languageSwitchOnTheLiveWindow() {
    Rig r;
    r.controls.SetText(Main::DesktopSelectComPort, "COM1");
    r.Click(Main::DesktopButtonSelectComSwitch);
    QCOMPARE(r.Text(Burner::DesktopButtonSelectComSwitch), QString("关闭串口"));
    // As a burn shows it, and as a load left the file labels.
    r.controls.SetText(Burner::UpdateButtonUpdate, "停止烧录");
    r.controls.SetText(Burner::UpdateLabelCodeSum, "校验: 0xBEEF");
    r.controls.SetText(Burner::UpdateLabelCodeName, "名称: PANEL  ");
    r.Click(Burner::DesktopButtonSelectLanguage);
    QCOMPARE(r.app.Language, uint8_t{1});
    QCOMPARE(r.Text(Burner::UpdateButtonUpdate), QString("Stop"));
    QCOMPARE(r.Text(Burner::DesktopButtonSelectComSwitch), QString("Close Com"));
    QCOMPARE(r.Text(Burner::UpdateLabelCodeSum), QString("Sum: 0xBEEF"));
    QCOMPARE(r.Text(Burner::UpdateLabelCodeName), QString("Name: PANEL  "));
    QCOMPARE(r.Text(Burner::DesktopButtonSelectLanguage), QString("语言"));
    // The main window is not translated.
    QCOMPARE(r.Text(Main::UpdateButtonOpenFile), QString("打开文件"));
    r.Click(Burner::DesktopButtonSelectLanguage);
    QCOMPARE(r.Text(Burner::UpdateButtonUpdate), QString("停止烧录"));
    QCOMPARE(r.Text(Burner::DesktopButtonSelectComSwitch), QString("关闭串口"));
  }

  void controlsReachTheirTwins() {
    Rig r;
    r.Click(Burner::UpdateCheckAutoBurn);
    r.Click(Burner::UpdateCheckSound);
    r.Click(Burner::UpdateCheckVerOld);
    r.Click(Burner::UpdateOptionFull0x00);
    QVERIFY(r.Get<QCheckBox>(Main::UpdateCheckAutoBurn)->isChecked());
    QVERIFY(r.Get<QCheckBox>(Main::UpdateCheckSound)->isChecked());
    QVERIFY(!r.Get<QCheckBox>(Main::UpdateCheckAutoReboot)->isChecked());
    QVERIFY(!r.Get<QCheckBox>(Main::UpdateCheckVerOld)->isChecked());
    QVERIFY(r.Get<QRadioButton>(Main::UpdateOptionFull0x00)->isChecked());
    r.Click(Burner::UpdateOptionFull0xff);
    QVERIFY(r.Get<QRadioButton>(Main::UpdateOptionFull0xff)->isChecked());
    QVERIFY(!r.Get<QRadioButton>(Main::UpdateOptionFull0x00)->isChecked());

    auto* target = r.Get<QComboBox>(Burner::UpdateSelectTarget);
    target->setCurrentIndex(3);
    emit target->activated(3);
    QCOMPARE(r.controls.Index(Main::UpdateSelectTarget), 3);
    QTest::keyClicks(r.Get<QLineEdit>(Burner::UpdateTextTrig), "7f");
    QCOMPARE(r.Text(Main::UpdateTextTrig), QString("7f"));

    // The port is closed: the main window's handlers answer on both windows.
    r.Click(Burner::UpdateButtonUpdate);
    QCOMPARE(r.Text(Main::UpdateLabelBurnState), QString("设置: 没有打开串口"));
    QCOMPARE(r.Text(Burner::UpdateLabelBurnState), QString("设置: 没有打开串口"));
    QCOMPARE(r.Text(Burner::UpdateButtonUpdate), QString("开始烧录"));
    r.controls.SetText(Main::UpdateLabelBurnState, "");
    r.Click(Burner::UpdateButtonRestart);
    QCOMPARE(r.Text(Main::UpdateLabelBurnState), QString("设置: 没有打开串口"));
    r.Click(Burner::DesktopButtonHelp);
    QCOMPARE(r.dialogs.messages.size(), size_t{1});
    QVERIFY(r.dialogs.messages[0].starts_with("1.硬件连接"));
  }

  // The real port and pump against ambrelin-unit.
  void startButtonBurnsTheUnit() {
    QTemporaryDir folder;
    const QString flash = folder.path() + "/flash-";
    QProcess unit;
    unit.start(AMBRELIN_UNIT, {"--quiet", "--no-wire", "--chip", "0101", "--boot-flash", flash});
    QVERIFY(unit.waitForStarted());
    QVERIFY(unit.waitForReadyRead(5000));
    const QString device = QString::fromLatin1(unit.readLine()).trimmed();

    MapSettings settings;
    settings.Put(PortPinSection, "COM7", device.toStdString());
    QtSerialPort port(settings);
    QtEventPump pump;
    RecordedDialogs dialogs;
    QtControls controls;
    Ambrelin a{controls, port, pump, dialogs, settings, folder.path().toStdString()};
    ConnectPort(a);
    RegisterWindows(controls, a);

    const QString image = folder.path() + "/panel.bin";
    QFile file(image);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray bytes(0xF00, '\0');
    for (int k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>(k * 13 + (k >> 7));
    file.write(bytes);
    file.close();
    // A binary is burned as the page loaded it, its sum over 64 KiB: only a
    // 0x00 fill adds nothing beyond the chip's end.
    qobject_cast<QRadioButton*>(controls.Find(Burner::UpdateOptionFull0x00))->click();
    dialogs.picks = {image.toStdString()};
    QTest::mouseClick(qobject_cast<QPushButton*>(controls.Find(Burner::UpdateButtonOpenFile)), Qt::LeftButton);
    controls.SetText(Main::DesktopSelectComPort, "COM7");
    QTest::mouseClick(qobject_cast<QPushButton*>(controls.Find(Main::DesktopButtonSelectComSwitch)), Qt::LeftButton);
    QVERIFY(port.IsOpen());
    auto* target = qobject_cast<QComboBox*>(controls.Find(Burner::UpdateSelectTarget));
    target->setCurrentIndex(0);
    emit target->activated(0);
    QTest::mouseClick(qobject_cast<QPushButton*>(controls.Find(Burner::UpdateButtonUpdate)), Qt::LeftButton);

    QCOMPARE(Qs(controls.Text(Burner::UpdateLabelBurnState)), QString("进度: 完成"));
    QCOMPARE(Qs(controls.Text(Main::UpdateLabelBurnTotal)), QString("统计: 1"));
    unit.terminate();
    QVERIFY(unit.waitForFinished(3000));
    QFile written(flash + "1.bin");
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray chip = written.readAll();
    QCOMPARE(chip.left(0xF00), bytes);
    QCOMPARE(chip.mid(0xF00, 0x100), QByteArray(0x100, '\0'));
  }
};

QTEST_MAIN(BurnDesktopTest)
#include "BurnDesktopTest.moc"
