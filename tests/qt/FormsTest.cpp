// The windows offscreen: every designed control exists under its name with
// its caption, and the shell's events reach the logic.
#include <QFile>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QSystemTrayIcon>
#include <QtTest>
#include <span>

#include "QtRig.h"
#include "app/BurnAboutControls.h"
#include "app/BurnDesktopControls.h"
#include "app/Desktop.h"
#include "app/DesktopForm.h"
#include "app/DesktopFormControls.h"
#include "app/InfoFormControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "fontgen/CharBornFormControls.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiFormControls.h"
#include "sim/VirtualLink.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

namespace {

// One program's worth of windows over fakes.
struct Rig : QtRig {
  Rig() {
    // COM3 and COM5 exist; only COM3 is free.
    link.port.present = {{3, "/dev/ttyFake3"}, {5, "/dev/ttyFake5"}};
    link.port.busy = 5;
  }
};

struct WindowControls {
  const char* window;
  std::span<const Control> all;
};
const WindowControls Windows[] = {
    {"DesktopForm", Main::All},
    {"BurnDesktop", Burner::All},
    {"BurnAbout", BurnAboutControls::All},
    {"InfoForm", InfoFormControls::All},
    {"DecoderForm", DecoderFormControls::All},
    {"HdmiForm", HdmiFormControls::All},
    {"CharBornForm", CharBornFormControls::All},
};

std::vector<Control> DebugBoxes() {
  std::vector<Control> boxes;
  for (Control c : Main::All)
    if (c.name.starts_with("DebugText")) boxes.push_back(c);
  return boxes;
}

QString Name(Control c) { return Qs(c.name); }

}  // namespace

class FormsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlExistsWithItsCaption_data() {
    QTest::addColumn<int>("window");
    for (int i = 0; i < static_cast<int>(std::size(Windows)); ++i) QTest::newRow(Windows[i].window) << i;
  }
  void everyControlExistsWithItsCaption() {
    QFETCH(int, window);
    Rig rig;
    QStringList faults;
    for (Control c : Windows[window].all) {
      QWidget* widget = rig.controls.Find(c);
      if (!widget) {
        faults << Name(c) + " missing";
        continue;
      }
      const bool isWindow = c.name == c.window;
      if (isWindow != widget->isWindow()) faults << Name(c) + " window or not";
      if (!isWindow && widget->window()->findChildren<QWidget*>(Name(c)).size() != 1)
        faults << Name(c) + " not unique";
      if (rig.controls.Text(c) != c.caption)
        faults << Name(c) + ": \"" + Qs(rig.controls.Text(c)) + "\" not \"" + Qs(c.caption) + "\"";
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
  }

  void captionsAsTheWidgetsShowThem() {
    Rig rig;
    QCOMPARE(rig.Get<QWidget>(Main::DesktopForm)->windowTitle(), "Vell");
    QCOMPARE(rig.Get<QWidget>(Burner::BurnDesktop)->windowTitle(), "Kilnora");
    QCOMPARE(rig.Get<QWidget>(BurnAboutControls::BurnAbout)->windowTitle(), "Kilnora");
    QCOMPARE(rig.Get<QWidget>(InfoFormControls::InfoForm)->windowTitle(), "信息");
    QCOMPARE(rig.Get<QWidget>(DecoderFormControls::DecoderForm)->windowTitle(), "AudioDecoder Debug");
    QCOMPARE(rig.Get<QWidget>(HdmiFormControls::HdmiForm)->windowTitle(), "Hdmi Debug");
    QCOMPARE(rig.Get<QWidget>(CharBornFormControls::CharBornForm)->windowTitle(), "Char Born");

    QCOMPARE(rig.Get<QGroupBox>(Main::DebugFrameTx2)->title(), " 发送       ");
    QCOMPARE(rig.Get<QLabel>(Main::DebugLabelAddress3)->text(), "地址");
    QCOMPARE(rig.Get<QPushButton>(Main::DebugButtonD6)->text(), "6");
    QCOMPARE(rig.Get<QPushButton>(Main::DesktopButtonSelectComSwitch)->text(), "打开串口");
    QCOMPARE(rig.Get<QComboBox>(Main::DesktopSelectComPort)->currentText(), "串口");
    QCOMPARE(rig.Get<QCheckBox>(Burner::UpdateCheckVerOld)->text(), "怀旧版");
    QCOMPARE(rig.Get<QRadioButton>(Burner::UpdateOptionFull0x00)->text(), "0x00 填充空白区");
    QVERIFY(!rig.Get<QPushButton>(Main::DesktopButtonPanel)->isEnabled());

    const QStringList ids{"ID = 1", "ID = 2", "ID = 3", "ID = 4", "ID = 5", "ID = 6"};
    for (Control target : {Main::UpdateSelectTarget, Burner::UpdateSelectTarget}) {
      auto* combo = rig.Get<QComboBox>(target);
      QCOMPARE(combo->currentIndex(), -1);
      QCOMPARE(combo->currentText(), Qs(target.caption));
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      QCOMPARE(items, ids);
    }
  }

  void mainTableHasTheTenPagesInOrder() {
    Rig rig;
    const QStringList pages{"  升  级  ",   " 命令调试 ",  " 宏 调试  ",  "  功  能   ", "  参数一   ",
                            "  参数二   ", "  设  置  ", "  芯片调试  ", "  工  具   ", " 关  于 "};
    auto* table = rig.Get<QTabWidget>(Main::MainTable);
    QStringList shown;
    for (int i = 0; i < table->count(); ++i) shown << table->tabText(i);
    QCOMPARE(shown, pages);
    std::vector<std::string> entries;
    for (const QString& page : pages) entries.push_back(page.toStdString());
    QVERIFY(rig.controls.Entries(Main::MainTable) == entries);
    // The burn page holds the burn controls, the debug page the debug frames.
    QCOMPARE(table->widget(0)->findChild<QWidget*>("UpdateButtonUpdate") != nullptr, true);
    QCOMPARE(table->widget(1)->findChild<QWidget*>("DebugFrameTx2") != nullptr, true);
    QCOMPARE(table->widget(9)->findChild<QWidget*>("Text6") != nullptr, true);
  }

  void buttonsShowTheirWindowAndKeepIt() {
    const std::pair<Control, Control> shows[] = {
        {Main::DesktopButtonInfo, InfoFormControls::InfoForm},
        {Main::DesktopButton3, DecoderFormControls::DecoderForm},
        {Main::DesktopButton4, HdmiFormControls::HdmiForm},
        {Main::ChipButtonDecoder, DecoderFormControls::DecoderForm},
        {Main::ChipButtonHdmi, HdmiFormControls::HdmiForm},
        {Main::ToolButtonCharBorn, CharBornFormControls::CharBornForm},
    };
    Rig rig;
    for (auto [button, window] : shows) {
      QTest::mouseClick(rig.Get<QPushButton>(button), Qt::LeftButton);
      QWidget* shown = rig.controls.Window(window.window);
      QVERIFY2(shown->isVisible(), button.name.data());
      shown->close();
      QTest::mouseClick(rig.Get<QPushButton>(button), Qt::LeftButton);
      QVERIFY2(rig.controls.Window(window.window) == shown && shown->isVisible(), button.name.data());
    }
    // The burner's picture opens the about box; its Ok closes it.
    QTest::mouseDClick(rig.Get<QLabel>(Burner::DesktopPicture), Qt::LeftButton);
    QVERIFY(rig.controls.Visible(BurnAboutControls::BurnAbout));
    QTest::mouseClick(rig.Get<QPushButton>(BurnAboutControls::BurnAboutButtonOk), Qt::LeftButton);
    QVERIFY(!rig.controls.Visible(BurnAboutControls::BurnAbout));
  }

  void burnerShowsItselfAndHidesTheMainWindow() {
    Rig rig;
    rig.controls.SetVisible(Main::DesktopForm, true);
    QVERIFY(rig.controls.Visible(Main::DesktopForm));
    rig.controls.Text(Burner::DesktopButtonExit);
    QVERIFY(rig.controls.Visible(Burner::BurnDesktop));
    QVERIFY(!rig.controls.Visible(Main::DesktopForm));
  }

  void doubleClickOnAnInfoListEmptiesBothAndTheRunLog_data() {
    QTest::addColumn<bool>("onBurnPage");
    QTest::newRow("UpdateListInfo") << true;
    QTest::newRow("InfoListOutput") << false;
  }
  void doubleClickOnAnInfoListEmptiesBothAndTheRunLog() {
    QFETCH(bool, onBurnPage);
    Rig rig;
    rig.controls.SetEntries(Main::UpdateListInfo, {"调入行数: 12"});
    rig.controls.SetEntries(InfoFormControls::InfoListOutput, {"a", "b"});
    QFile log(QString::fromStdString(RunLogPath(rig.app)));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write("an old run\r\nanother line\r\n");
    log.close();

    auto* list = rig.Get<QListWidget>(onBurnPage ? Main::UpdateListInfo : InfoFormControls::InfoListOutput);
    // On the list's empty part, below its entries.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 3));

    QVERIFY(rig.controls.Entries(Main::UpdateListInfo).empty());
    QVERIFY(rig.controls.Entries(InfoFormControls::InfoListOutput).empty());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray content = log.readAll();
    QVERIFY2(content == "\n" || content == "\r\n", content.constData());
  }

  void shutdownSavesTheSettingsAndEndsTheProgram_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("closing the main window") << 0;
    QTest::newRow("double-click on the background picture") << 1;
    QTest::newRow("the burner's exit button") << 2;
  }
  void shutdownSavesTheSettingsAndEndsTheProgram() {
    QFETCH(int, way);
    Rig rig;
    QWidget* form = rig.controls.Window(Main::DesktopForm.window);
    form->show();
    rig.app.Language = 1;
    rig.controls.SetText(Main::UpdateTextFileName, "/data/Front Panel.Hex");
    rig.controls.SetText(Main::DebugTextL1, "0201 0001 0002");
    rig.controls.SetText(Main::DebugTextAddress4, "4");
    QCOMPARE(rig.ended, 0);

    if (way == 0) form->close();
    if (way == 1) QTest::mouseDClick(rig.Get<QLabel>(Main::DesktopPictureBack), Qt::LeftButton);
    if (way == 2) QTest::mouseClick(rig.Get<QPushButton>(Burner::DesktopButtonExit), Qt::LeftButton);

    QCOMPARE(rig.ended, 1);
    QCOMPARE(rig.settings.Get("System", "Language"), "1");
    QCOMPARE(rig.settings.Get("Burn", "FileName"), "/data/Front Panel.Hex");
    QCOMPARE(rig.settings.Get("Debug", "DebugTextL1"), "0201 0001 0002");
    QCOMPARE(rig.settings.Get("Debug", "DebugTextAddress4"), "4");
    int debugKeys = 0;
    for (const auto& [key, value] : rig.settings.values) debugKeys += key.first == "Debug";
    QCOMPARE(debugKeys, 30);
  }

  void startUpShowsTheBurnerInItsLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("captions");  // language, exit, step 1, target
    QTest::newRow("first run") << "" << QStringList{"Language", "退出", "Step 1: 打开升级文件", "请选择 ..."};
    QTest::newRow("English") << "1" << QStringList{"语言", "Exit", "Step 1: Open File", "Please Select ..."};
    QTest::newRow("not a number") << "x" << QStringList{"Language", "退出", "Step 1: 打开升级文件", "请选择 ..."};
  }
  void startUpShowsTheBurnerInItsLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, captions);
    Rig rig;
    if (!language.isEmpty()) rig.settings.Put("System", "Language", language.toStdString());
    rig.settings.Put("Debug", "DebugTextC3", "0503 0012 001e");
    // Design texts that a first run must not keep.
    rig.controls.SetText(Main::DebugTextAddressA, "0");
    rig.controls.SetText(Main::DebugTextAddress2, "2");

    StartUp(rig.app);

    QVERIFY(rig.controls.Visible(Burner::BurnDesktop));
    QVERIFY(rig.controls.Visible(Main::DesktopForm));
    QCOMPARE(Qs(rig.controls.Text(Burner::DesktopButtonSelectLanguage)), captions[0]);
    QCOMPARE(Qs(rig.controls.Text(Burner::DesktopButtonExit)), captions[1]);
    QCOMPARE(rig.Get<QGroupBox>(Burner::UpdateFrameStep1)->title(), captions[2]);
    QCOMPARE(rig.Get<QComboBox>(Burner::UpdateSelectTarget)->currentText(), captions[3]);
    QCOMPARE(rig.controls.Text(Burner::UpdateTextFileName), "");
    const auto boxes = DebugBoxes();
    QCOMPARE(boxes.size(), size_t(30));
    for (Control box : boxes) {
      const std::string expected = box.name == "DebugTextC3" ? "0503 0012 001e" : "";
      QVERIFY2(rig.controls.Text(box) == expected, box.name.data());
    }
  }

  void portControlsOfBothWindowsReachTheLogic() {
    Rig rig;
    auto* mainPort = rig.Get<QComboBox>(Main::DesktopSelectComPort);
    auto* burnerPort = rig.Get<QComboBox>(Burner::DesktopSelectComPort);
    mainPort->showPopup();
    mainPort->hidePopup();
    QCOMPARE(mainPort->count(), 1);
    QVERIFY(mainPort->itemText(0).startsWith("COM3"));
    QCOMPARE(mainPort->currentText(), "串口");
    QCOMPARE(burnerPort->count(), 1);
    QCOMPARE(burnerPort->currentText(), "选择串口");

    // Choosing on the burner puts the choice into the main window's combo.
    burnerPort->setCurrentIndex(0);
    emit burnerPort->activated(0);
    QVERIFY(mainPort->currentText().startsWith("COM3"));

    QTest::mouseClick(rig.Get<QPushButton>(Burner::DesktopButtonSelectComSwitch), Qt::LeftButton);
    QCOMPARE(rig.port.opened, 3);
    QCOMPARE(rig.Get<QPushButton>(Main::DesktopButtonSelectComSwitch)->text(), "关闭串口");
    QCOMPARE(rig.Get<QPushButton>(Burner::DesktopButtonSelectComSwitch)->text(), "关闭串口");
    QVERIFY(!mainPort->isEnabled() && !burnerPort->isEnabled());

    QTest::mouseClick(rig.Get<QPushButton>(Burner::DesktopButtonSelectLanguage), Qt::LeftButton);
    QCOMPARE(rig.Get<QPushButton>(Burner::DesktopButtonSelectComSwitch)->text(), "Close Com");
    QCOMPARE(rig.Get<QPushButton>(Burner::DesktopButtonSelectLanguage)->text(), "语言");

    QTest::mouseClick(rig.Get<QPushButton>(Main::DesktopButtonSelectComSwitch), Qt::LeftButton);
    QCOMPARE(rig.port.opened, 0);
    QCOMPARE(rig.Get<QPushButton>(Burner::DesktopButtonSelectComSwitch)->text(), "Open Com");
    QVERIFY(mainPort->isEnabled() && burnerPort->isEnabled());
  }

  void controlsReadAndWriteEachKindOfWidget() {
    Rig rig;
    Controls& c = rig.controls;
    // Option buttons exclude each other, yet the logic may clear both.
    c.SetTicked(Main::UpdateOptionFull0x00, true);
    c.SetTicked(Main::UpdateOptionFull0xff, true);
    QVERIFY(!c.Ticked(Main::UpdateOptionFull0x00) && c.Ticked(Main::UpdateOptionFull0xff));
    c.SetTicked(Main::UpdateOptionFull0xff, false);
    QVERIFY(!c.Ticked(Main::UpdateOptionFull0xff));
    c.SetTicked(Main::UpdateCheckAutoBurn, true);
    QVERIFY(rig.Get<QCheckBox>(Main::UpdateCheckAutoBurn)->isChecked());

    // A selected entry shows in the text; clearing the selection or the list keeps the text.
    c.SetIndex(Main::UpdateSelectTarget, 2);
    QCOMPARE(c.Text(Main::UpdateSelectTarget), "ID = 3");
    c.SetIndex(Main::UpdateSelectTarget, -1);
    QCOMPARE(c.Index(Main::UpdateSelectTarget), -1);
    QCOMPARE(c.Text(Main::UpdateSelectTarget), "ID = 3");
    c.SetText(Main::DesktopSelectComPort, "COM12");
    c.SetEntries(Main::DesktopSelectComPort, {"COM1", "COM2"});
    QCOMPARE(c.Text(Main::DesktopSelectComPort), "COM12");
    QCOMPARE(c.Index(Main::DesktopSelectComPort), -1);
    QVERIFY((c.Entries(Main::DesktopSelectComPort) == std::vector<std::string>{"COM1", "COM2"}));

    c.SetEntries(Main::UpdateListInfo, {"调入行数: 3", "b"});
    c.SetIndex(Main::UpdateListInfo, 0);
    QCOMPARE(c.Text(Main::UpdateListInfo), "调入行数: 3");

    // 0xBBGGRR: 255 is red, 0xFF0000 blue.
    c.SetColour(Main::UpdateLabelBurnState, 255);
    QCOMPARE(rig.Get<QLabel>(Main::UpdateLabelBurnState)->palette().color(QPalette::WindowText), QColor(Qt::red));
    c.SetColour(Burner::UpdateLabelBurnState, 0xFF0000);
    QCOMPARE(rig.Get<QLabel>(Burner::UpdateLabelBurnState)->palette().color(QPalette::WindowText), QColor(Qt::blue));

    c.SetValue(Main::UpdateBarBurn, 40);
    QCOMPARE(c.Value(Main::UpdateBarBurn), 40);
    c.SetText(Main::Text6, "0000: 01\r\n0001: 02");
    QCOMPARE(rig.Get<QPlainTextEdit>(Main::Text6)->blockCount(), 2);
    QCOMPARE(c.Text(Main::Text6), "0000: 01\n0001: 02");
    c.SetText(Main::UpdateFrameStep3, "Step 3");
    QCOMPARE(rig.Get<QGroupBox>(Main::UpdateFrameStep3)->title(), "Step 3");
    c.SetText(Main::UpdateLabelCodeName, "名称: <b>x</b>");
    QCOMPARE(rig.Get<QLabel>(Main::UpdateLabelCodeName)->textFormat(), Qt::PlainText);
    c.SetEnabled(Main::UpdateSelectTarget, false);
    QVERIFY(!c.Enabled(Main::UpdateSelectTarget));

    c.SetVisible(InfoFormControls::InfoForm, true);
    QVERIFY(rig.controls.Window("InfoForm")->isVisible());
    c.SetVisible(InfoFormControls::InfoForm, false);
    QVERIFY(!c.Visible(InfoFormControls::InfoForm));
  }

  void backgroundPictureDragsTheWindow_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("expected");
    // From (300, 400); left + x - 500 twips, top + y - 4800 twips, 15 twips a pixel.
    QTest::newRow("within 2000 twips of both edges") << QPoint(100, 133) << QPoint(300, 400);
    QTest::newRow("far from the top") << QPoint(20, 400) << QPoint(287, 480);
    QTest::newRow("far from the left") << QPoint(200, 50) << QPoint(467, 130);
  }
  void backgroundPictureDragsTheWindow() {
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, expected);
    Rig rig;
    QWidget* form = rig.controls.Window(Main::DesktopForm.window);
    form->move(300, 400);
    form->show();
    QLabel* picture = rig.Get<QLabel>(Main::DesktopPictureBack);
    QMouseEvent idle(QEvent::MouseMove, pointer, picture->mapToGlobal(pointer), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture, &idle);
    QCOMPARE(form->pos(), QPoint(300, 400));
    QMouseEvent held(QEvent::MouseMove, pointer, picture->mapToGlobal(pointer), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture, &held);
    QCOMPARE(form->pos(), expected);
  }

  void minimisingHidesTheMainWindowOnlyWhereTheTrayCanBringItBack() {
    Rig rig;
    QWidget* form = rig.controls.Window(Main::DesktopForm.window);
    form->show();
    form->showMinimized();
    QTest::qWait(50);
    QCOMPARE(form->isHidden(), QSystemTrayIcon::isSystemTrayAvailable());
    QCOMPARE(rig.ended, 0);

    form->showMinimized();
    ToggleDesktopForm(form);
    QVERIFY(form->isHidden());
    ToggleDesktopForm(form);
    QVERIFY(form->isVisible() && !form->isMinimized());
  }

  void noticesGoToTheStatusLine() {
    Rig rig;
    StatusLine(rig.controls)("设置: 没有打开串口");
    QCOMPARE(rig.controls.Window("DesktopForm")->findChild<QStatusBar*>()->currentMessage(), "设置: 没有打开串口");
  }
};

QTEST_MAIN(FormsTest)
#include "FormsTest.moc"
