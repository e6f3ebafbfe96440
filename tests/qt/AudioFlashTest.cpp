// The decoder window's "Update" page offscreen: the flash frame with its
// controls, the open buttons and the download run by clicks.
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "QtRig.h"
#include "app/QtControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "link/TxRx.h"
#include "panels/DecoderFormControls.h"
#include "sim/VirtualLink.h"

namespace C = DecoderFormControls;

namespace {

constexpr int UpdatePage = 8;

struct Rig : QtRig {
  Rig() {
    link.port.Open(1, "38400,N,8,1");
    controls.SetVisible(C::DecoderForm, true);
    controls.SetIndex(C::DecoderTable, UpdatePage);
  }
  void Click(Control c) { QTest::mouseClick(Get<QAbstractButton>(c), Qt::LeftButton); }
  std::string File(const char* name, const std::string& content) {
    const std::string path = folder.path().toStdString() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
};

}  // namespace

class AudioFlashTest : public QObject {
  Q_OBJECT

 private slots:
  void frameHoldsEveryControlOfItsKind() {
    Rig rig;
    auto* page = rig.Get<QTabWidget>(C::DecoderTable)->widget(UpdatePage);
    auto* frame = rig.Get<QGroupBox>(C::AudioFlashFrame);
    QVERIFY(page->isAncestorOf(frame));
    QCOMPARE(frame->title(), " 升级Flash ");
    for (Control c : {C::AudioFlashOpenEgg, C::AudioFlashOpenFlash, C::AudioFlashDownload})
      QVERIFY2(frame->isAncestorOf(rig.Get<QPushButton>(c)), c.name.data());
    for (Control c : {C::AudioFlashEggName, C::AudioFlashFlashName})
      QVERIFY2(frame->isAncestorOf(rig.Get<QLineEdit>(c)), c.name.data());
    for (Control c : {C::AudioFlashEggDate, C::AudioFlashEggCodeSize, C::AudioFlashEggCodeCount, C::AudioFlashFlashDate,
                      C::AudioFlashFlashCodeSize, C::AudioFlashFlashCodeCount, C::AudioFlashBurnInfo,
                      C::AudioFlashBurnError, C::AudioFlashBurnTime})
      QVERIFY2(frame->isAncestorOf(rig.Get<QLabel>(c)), c.name.data());
    auto* bar = rig.Get<QProgressBar>(C::AudioFlashBar);
    QVERIFY(frame->isAncestorOf(bar));
    QCOMPARE(std::make_tuple(bar->minimum(), bar->maximum(), bar->value()), std::make_tuple(0, 100, 0));
    QCOMPARE(rig.Get<QPushButton>(C::AudioFlashDownload)->text(), "升  级");
    QCOMPARE(rig.Get<QLabel>(C::AudioFlashBurnInfo)->text(), "状态: ------");
    QCOMPARE(rig.Get<QLabel>(C::AudioFlashEggCodeSize)->text(), "数据长度: 0x----");
  }

  void clicksOpenLoadAndDownload() {
    Rig rig;
    rig.dialogs.picks = {rig.File("a.Img", "00112233\nAABBCCDD\n"), rig.File("b.Img", "# [000004]\n99\n")};
    rig.Click(C::AudioFlashOpenEgg);
    rig.Click(C::AudioFlashOpenFlash);
    QCOMPARE(rig.dialogs.filters, (std::vector<std::string>(2, "映像文件|*.Img")));
    QCOMPARE(rig.Get<QLabel>(C::AudioFlashEggCodeCount)->text(), "数据大小: 0x8字节");
    QCOMPARE(rig.Get<QLabel>(C::AudioFlashFlashCodeSize)->text(), "数据长度: 0x5字节");
    QVERIFY(rig.Get<QLabel>(C::AudioFlashFlashDate)->text().startsWith("日期: "));
    QCOMPARE(rig.app.code.Buffer[4], 0x99);

    rig.Click(C::AudioFlashDownload);
    QCOMPARE(rig.Get<QLabel>(C::AudioFlashBurnInfo)->text(), "烧录: 完成");
    QCOMPARE(rig.Get<QLabel>(C::AudioFlashBurnTime)->text(), "时间: 完成");
    QCOMPARE(rig.Get<QPushButton>(C::AudioFlashDownload)->text(), "开始烧录");
    QCOMPARE(rig.Get<QProgressBar>(C::AudioFlashBar)->value(), 0);
    QVERIFY(rig.link.unit.dsp.flash == rig.app.code.Buffer);
    QCOMPARE(rig.link.port.settings, "128000,N,8,1");
  }

  void clickDuringTheJobStopsIt() {
    Rig rig;
    At(rig.link.scheduler, 3.0, [&rig] { rig.Click(C::AudioFlashDownload); });
    rig.Click(C::AudioFlashDownload);
    QCOMPARE(rig.Get<QPushButton>(C::AudioFlashDownload)->text(), "开始烧录");
    QVERIFY(rig.Get<QLabel>(C::AudioFlashBurnInfo)->text().startsWith("烧录: 0x"));
    QVERIFY(rig.Get<QProgressBar>(C::AudioFlashBar)->value() > 0);
    QVERIFY(!rig.app.link.ReplyWanted);
    QCOMPARE(rig.link.pump.Now(), 3.0);
  }
};

QTEST_MAIN(AudioFlashTest)
#include "AudioFlashTest.moc"
