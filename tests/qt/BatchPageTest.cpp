// The main window's batch page offscreen: its controls under their names and
// captions, and its buttons running batches against the simulated unit.
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "QtRig.h"
#include "app/DesktopFormControls.h"
#include "app/QtControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "batch/Basic.h"
#include "batch/Batch.h"
#include "link/TxRx.h"
#include "sim/VirtualLink.h"

namespace Main = DesktopFormControls;

namespace {

struct Rig : QtRig {
  Rig() {
    link.port.Open(1, "38400,N,8,1");
  }
};

// As a text area shows it: one line end, no carriage returns.
QString Shown(const std::string& dump) { return Qs(dump).replace("\r\n", "\n"); }

}  // namespace

class BatchPageTest : public QObject {
  Q_OBJECT

 private slots:
  void slotsAndDumpBoxesSitOnTheBatchPage() {
    Rig rig;
    auto* table = rig.Get<QTabWidget>(Main::MainTable);
    QCOMPARE(table->tabText(2), " 宏 调试  ");
    QWidget* page = table->widget(2);
    QStringList faults;
    for (const BatchSlot& slot : BatchSlots::All)
      for (Control c : {slot.file, slot.open, slot.portLabel, slot.port, slot.read, slot.write}) {
        QWidget* widget = rig.controls.Find(c);
        if (!widget || !page->isAncestorOf(widget)) faults << Qs(c.name) + " not on the page";
        else if (rig.controls.Text(c) != c.caption) faults << Qs(c.name) + " caption " + Qs(rig.controls.Text(c));
      }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QCOMPARE(rig.Get<QPushButton>(Main::Batch2ButtonOpen)->text(), "打开文件");
    QCOMPARE(rig.Get<QPushButton>(Main::Batch3ButtonRead)->text(), "读取");
    QCOMPARE(rig.Get<QPushButton>(Main::Batch1ButtonWrite)->text(), "写入");
    QCOMPARE(rig.Get<QLabel>(Main::Batch2LabelPort)->text(), "端口:");
    QCOMPARE(rig.Get<QLineEdit>(Main::Batch3TextPort)->text(), "");
    QCOMPARE(rig.Get<QPlainTextEdit>(Main::BatchTxText)->toPlainText(), "发送数据");
    QCOMPARE(rig.Get<QPlainTextEdit>(Main::BatchRxText)->toPlainText(), "接收数据");
    QVERIFY(page->isAncestorOf(rig.Get<QWidget>(Main::BatchTxText)));
    QVERIFY(page->isAncestorOf(rig.Get<QWidget>(Main::BatchRxText)));
  }

  void readButtonRunsTheBatchAndShowsTheDumps() {
    Rig rig;
    rig.Get<QLineEdit>(Main::Batch2TextPort)->setText("3a:10");
    const double start = rig.link.pump.Now();
    QTest::mouseClick(rig.Get<QPushButton>(Main::Batch2ButtonRead), Qt::LeftButton);
    QCOMPARE(rig.writes.size(), size_t(256));
    QVERIFY(rig.link.pump.Now() - start >= 25.6);
    QCOMPARE(rig.writes[255][2], uint8_t(0x3A));
    QFile result(QString::fromStdString(BatchResultPath(rig.app, BatchSlots::All[1])));
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(result.readAll(), QByteArray(256, '\0'));
    QCOMPARE(rig.Get<QPlainTextEdit>(Main::BatchRxText)->toPlainText(),
             Shown(HexDump(rig.app.BatchReadBuffer, 255)));
    QCOMPARE(rig.Get<QPlainTextEdit>(Main::BatchTxText)->toPlainText(), Shown(HexDump(rig.app.code.Buffer, 255)));
  }

  void openButtonLoadsTheChosenFile() {
    Rig rig;
    const QString path = rig.folder.filePath("image.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x5A\x01", 2));
    file.close();
    rig.dialogs.picks = {path.toStdString()};
    QTest::mouseClick(rig.Get<QPushButton>(Main::Batch1ButtonOpen), Qt::LeftButton);
    QCOMPARE(rig.Get<QLineEdit>(Main::Batch1TextFile)->text(), path);
    QVERIFY(rig.Get<QPlainTextEdit>(Main::BatchTxText)->toPlainText().contains("0000:5A 01 "));
    QCOMPARE(rig.Get<QPlainTextEdit>(Main::BatchRxText)->toPlainText(), "接收数据");
    QVERIFY(rig.writes.empty());
  }
};

QTEST_MAIN(BatchPageTest)
#include "BatchPageTest.moc"
