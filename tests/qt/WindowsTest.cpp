// Every window offscreen, one test each: the controls under their names and
// captions, and the user's clicks, keys and drags reaching the logic and the
// wire. The real port is the command line's end-to-end tests' to try.
#include <QFile>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <span>

#include "Fakes.h"
#include "qt/WidgetInput.h"
#include "app/BurnAboutControls.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "app/InfoFormControls.h"
#include "app/QtControls.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "fontgen/CharBorn.h"
#include "link/ComPort.h"
#include "fontgen/CharBornFormControls.h"
#include "panels/DecoderFormControls.h"
#include "panels/HdmiFormControls.h"
#include "panels/HdmiPanel.h"
#include "sim/VirtualLink.h"

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;
namespace Decoder = DecoderFormControls;
namespace Hdmi = HdmiFormControls;

namespace {

// One program's windows over the simulated unit in virtual time.
struct QtRig {
  QTemporaryDir folder;
  QtControls controls;
  VirtualLink link;
  FakePort& port = link.port;
  std::vector<std::vector<uint8_t>>& writes = link.port.writes;
  RecordedDialogs dialogs;
  MapSettings settings;
  int ended = 0;  // times the shutdown ended the program
  Ambrelin app{controls, link.port, link.pump, dialogs, settings, folder.path().toStdString(), [this] { ++ended; }};

  QtRig() {
    ConnectPort(app);
    RegisterWindows(controls, app);
  }
  template <typename W>
  W* Get(Control c) {
    return ::Get<W>(controls, c);
  }
  void Press(Control c) { QTest::mouseClick(Get<QAbstractButton>(c), Qt::LeftButton); }
  std::string File(const QString& name, const std::string& content) {
    const std::string path = folder.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
};

// The data bytes of the last frame written, in groups of two as command texts are written.
QString Last(QtRig& rig) {
  if (rig.writes.empty()) return "nothing";
  QString text;
  const auto& frame = rig.writes.back();
  for (size_t i = 6; i + 2 < frame.size(); ++i)
    text += QString(i > 6 && i % 2 == 0 ? " %1" : "%1").arg(frame[i], 2, 16, QChar('0')).toUpper();
  return text;
}

QStringList Tabs(QTabWidget* table) {
  QStringList tabs;
  for (int i = 0; i < table->count(); ++i) tabs << table->tabText(i);
  return tabs;
}

struct WindowControls {
  const char* name;
  std::span<const Control> all;
};
const WindowControls Windows[] = {
    {"DesktopForm", Main::All},           {"BurnDesktop", Burner::All},        {"BurnAbout", BurnAboutControls::All},
    {"InfoForm", InfoFormControls::All},  {"DecoderForm", Decoder::All},       {"HdmiForm", Hdmi::All},
    {"HdmiForm Switch", Hdmi::SwitchPage}, {"HdmiForm Decoder", Hdmi::DecoderPage},
    {"HdmiForm Transmit", Hdmi::TransmitPage}, {"CharBornForm", CharBornFormControls::All},
};

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlExistsWithItsCaption_data() {
    QTest::addColumn<int>("window");
    for (int i = 0; i < static_cast<int>(std::size(Windows)); ++i) QTest::newRow(Windows[i].name) << i;
  }
  void everyControlExistsWithItsCaption() {
    QFETCH(int, window);
    QtRig rig;
    QStringList faults;
    for (Control c : Windows[window].all) {
      QWidget* widget = rig.controls.Find(c);
      const QString name = Qs(c.name);
      if (!widget) {
        faults << name + " missing";
        continue;
      }
      const bool isWindow = c.name == c.window;
      if (isWindow != widget->isWindow()) faults << name + " window or not";
      if (!isWindow && widget->window()->findChildren<QWidget*>(name).size() != 1) faults << name + " not unique";
      if (rig.controls.Text(c) != c.caption) faults << name + ": \"" + Qs(rig.controls.Text(c)) + "\"";
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QVERIFY(rig.writes.empty());
  }

  void mainWindow() {
    QtRig rig;
    rig.port.present = {{5, "/dev/ttyFake5"}, {200, "/dev/ttyFake200"}};
    rig.port.busy = 5;
    rig.settings.Put("Debug", "DebugTextC3", "0503 0012 001e");
    StartUp(rig.app);
    QVERIFY(rig.controls.Visible(Burner::BurnDesktop) && rig.controls.Visible(Main::DesktopForm));
    // Each tool window opens at its place, twips to pixels at the screen's DPI,
    // and wholly on the screen's free area.
    const struct {
      Control window;
      QPoint twips;
    } tools[] = {{HdmiFormControls::HdmiForm, {1200, 1200}},
                 {DecoderFormControls::DecoderForm, {1800, 1800}},
                 {CharBornFormControls::CharBornForm, {2400, 2400}}};
    for (const auto& tool : tools) {
      rig.controls.SetVisible(tool.window, true);
      QWidget* window = rig.controls.Window(tool.window.window);
      const QScreen* screen = window->screen();
      const QRect free = screen->availableGeometry();
      QVERIFY2(free.contains(window->frameGeometry()), qPrintable(Qs(tool.window.name)));
      const QPoint place = free.topLeft() + QPoint(qRound(tool.twips.x() * screen->logicalDotsPerInchX() / 1440),
                                                   qRound(tool.twips.y() * screen->logicalDotsPerInchY() / 1440));
      // Moved back only as far as the screen's edge needs.
      QCOMPARE(window->x(), std::min(place.x(), free.right() + 1 - window->frameGeometry().width()));
      QCOMPARE(window->y(), std::min(place.y(), free.bottom() + 1 - window->frameGeometry().height()));
    }
    QCOMPARE(rig.Get<QLineEdit>(Main::DebugTextC3)->text(), "0503 0012 001e");
    QCOMPARE(Tabs(rig.Get<QTabWidget>(Main::MainTable)),
             (QStringList{"  升  级  ", " 命令调试 ", " 宏 调试  ", "  功  能   ", "  参数一   ", "  参数二   ",
                          "  设  置  ", "  芯片调试  ", "  工  具   ", " 关  于 "}));

    auto* port = rig.Get<QComboBox>(Main::DesktopSelectComPort);
    port->showPopup();
    port->hidePopup();
    QCOMPARE(port->count(), 1);
    port->setCurrentIndex(0);
    QTest::mouseClick(rig.Get<QPushButton>(Main::DesktopButtonSelectComSwitch), Qt::LeftButton);
    QCOMPARE(rig.port.opened, 200);
    QVERIFY2(rig.writes.empty(), "nothing is sent when the window opens");

    // A key on a slider sends one command a step.
    Type(rig.Get<QLineEdit>(Main::Trim1TextAddress), "7");
    auto* fl = rig.Get<QSlider>(Main::DesktopSliderLevelFl);
    QTest::keyClick(fl, Qt::Key_Down);
    QCOMPARE(Last(rig), "0102 0011 00FF");
    QCOMPARE(rig.writes.back()[2], uint8_t(7));
    QTest::keyClick(fl, Qt::Key_PageUp);
    QCOMPARE(rig.Get<QLineEdit>(Main::DesktopTextLevelFl)->text(), "4");
    QCOMPARE(rig.writes.size(), size_t(2));

    // An input chosen from a list, a debug button.
    auto* analog = rig.Get<QComboBox>(Main::ControlComboInputAnalog);
    for (int press = 0; press < 3; ++press) QTest::keyClick(analog, Qt::Key_Down);
    QCOMPARE(Last(rig), "0201 0001 0003");
    Type(rig.Get<QLineEdit>(Main::DebugTextAddress4), "4");
    Type(rig.Get<QLineEdit>(Main::DebugTextD6), "0201 0001 0002");
    QTest::mouseClick(rig.Get<QPushButton>(Main::DebugButtonD6), Qt::LeftButton);
    QCOMPARE(Last(rig), "0201 0001 0002");
    QCOMPARE(rig.writes.back()[2], uint8_t(4));

    // A double-click on the info window's list, on its empty part, clears both lists.
    rig.controls.SetEntries(Main::UpdateListInfo, {"a", "b"});
    auto* list = rig.Get<QListWidget>(InfoFormControls::InfoListOutput);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 3));
    QVERIFY(rig.controls.Entries(Main::UpdateListInfo).empty());

    // Buttons show their window, again after it was closed.
    for (auto [button, window] : {std::pair{Main::ChipButtonDecoder, Decoder::DecoderForm},
                                  std::pair{Main::ToolButtonCharBorn, CharBornFormControls::CharBornForm}}) {
      rig.controls.Window(window.window)->close();
      QTest::mouseClick(rig.Get<QPushButton>(button), Qt::LeftButton);
      QVERIFY2(rig.controls.Visible(window), button.name.data());
    }

    QWidget* form = rig.controls.Window(Main::DesktopForm.window);

    // Closing saves the settings and ends the program.
    QCOMPARE(rig.ended, 0);
    form->close();
    QCOMPARE(rig.ended, 1);
    QCOMPARE(rig.settings.Get("Debug", "DebugTextD6"), "0201 0001 0002");
  }

  void burnerAndDecoderWindows() {
    QtRig rig;
    const auto click = [&rig](Control c) { rig.Get<QAbstractButton>(c)->click(); };
    rig.controls.SetText(Main::DesktopSelectComPort, "COM1");
    auto* burnerSwitch = rig.Get<QPushButton>(Burner::DesktopButtonSelectComSwitch);
    auto* mainSwitch = rig.Get<QPushButton>(Main::DesktopButtonSelectComSwitch);
    burnerSwitch->click();
    rig.controls.SetText(Burner::UpdateLabelCodeSum, "校验: 0xBEEF");
    click(Burner::DesktopButtonSelectLanguage);
    QCOMPARE(rig.app.Language, uint8_t{1});
    QCOMPARE(burnerSwitch->text(), "Close Com");
    QCOMPARE(rig.Get<QLabel>(Burner::UpdateLabelCodeSum)->text(), "Sum: 0xBEEF");
    QCOMPARE(rig.Get<QPushButton>(Main::UpdateButtonOpenFile)->text(), "打开文件");  // the main window is not translated

    // Options reach their twins; the old-version box stays on this window.
    for (Control box : {Burner::UpdateCheckAutoBurn, Burner::UpdateCheckVerOld, Burner::UpdateOptionFull0x00}) click(box);
    QVERIFY(rig.controls.Ticked(Main::UpdateCheckAutoBurn) && !rig.controls.Ticked(Main::UpdateCheckVerOld) &&
            rig.controls.Ticked(Main::UpdateOptionFull0x00));
    auto* target = rig.Get<QComboBox>(Burner::UpdateSelectTarget);
    target->setCurrentIndex(3);
    emit target->activated(3);
    QCOMPARE(rig.controls.Index(Main::UpdateSelectTarget), 3);
    QTest::keyClicks(rig.Get<QLineEdit>(Burner::UpdateTextTrig), "7f");
    QCOMPARE(rig.controls.Text(Main::UpdateTextTrig), "7f");

    rig.controls.SetVisible(Decoder::DecoderForm, true);
    QVERIFY(rig.controls.Entries(Decoder::DecoderTable) ==
            (std::vector<std::string>{"  Main", "Trim", "Tuner", "", "DSP", "DAC", "Tab 5", "Tab 6", "Update"}));
    const auto press = [&rig](Control c, int page) {
      rig.controls.SetIndex(Decoder::DecoderTable, page);
      QTest::mouseClick(rig.Get<QAbstractButton>(c), Qt::LeftButton);
    };
    press(Decoder::DecoderOptionModeDolbyD, 0);
    QCOMPARE(Last(rig), "0301 0000 0061");
    press(Decoder::DecoderCheckMute, 0);
    press(Decoder::DecoderCheckMute, 0);
    QCOMPARE(Last(rig), "0101 0001 0000");
    press(Decoder::DecoderOptionInputRx0, 0);
    QVERIFY2(rig.controls.Ticked(Decoder::DecoderOptionModeDolbyD), "each frame is its own group of options");
    QCOMPARE(rig.writes.size(), size_t(4));

    // The tuner switches bands and shows the frequency, sending nothing.
    auto* bar = rig.Get<QSlider>(Decoder::DecoderBarTuning);
    press(Decoder::DecoderOptionAm, 2);
    QCOMPARE(std::make_tuple(bar->minimum(), bar->value(), bar->maximum()), std::make_tuple(530, 999, 1622));
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(rig.controls.Text(Decoder::DecoderTextTuningFreq), "1004");
    press(Decoder::DecoderOptionFm, 2);
    QCOMPARE(rig.controls.Text(Decoder::DecoderTextTuningFreq), "98.00");
    QCOMPARE(rig.writes.size(), size_t(4));

    // The port buttons rest during a download; the refusal is said in the burner's language.
    rig.controls.SetIndex(Decoder::DecoderTable, 8);
    rig.dialogs.picks = {rig.File("egg.Img", "01020304\n")};
    rig.Press(Decoder::AudioFlashOpenEgg);
    bool enabled = true, open = false;
    At(rig.link.scheduler, rig.link.pump.Now() + 2.0, [&] {
      enabled = burnerSwitch->isEnabled() || mainSwitch->isEnabled();
      QTest::mouseClick(burnerSwitch, Qt::LeftButton);
      // The guard too, should the click get through.
      DesktopButtonSelectComSwitch_Click(rig.app);
      open = rig.port.IsOpen();
    });
    rig.Press(Decoder::AudioFlashDownload);
    QVERIFY(!enabled);
    QVERIFY(open);
    QCOMPARE(rig.Get<QLabel>(Decoder::AudioFlashBurnInfo)->text(), "烧录: 完成");
    QVERIFY(rig.link.unit.dsp.flash == rig.app.code.Buffer);
    QVERIFY(rig.port.IsOpen() && burnerSwitch->isEnabled() && mainSwitch->isEnabled());
    QCOMPARE(rig.dialogs.notices, std::vector<std::string>{"Another job is running; wait for it to end or stop it first !"});
    QCOMPARE(rig.dialogs.statusLine, "");  // the refusal went with the job

    // The burner's buttons run the main window's handlers: here on a closed port.
    click(Burner::DesktopButtonSelectComSwitch);
    click(Burner::UpdateButtonUpdate);
    QCOMPARE(rig.Get<QLabel>(Burner::UpdateLabelBurnState)->text(), "State: Com Error");
    QCOMPARE(rig.Get<QPushButton>(Burner::UpdateButtonUpdate)->text(), "Start");

    QTest::mouseDClick(rig.Get<QLabel>(Burner::DesktopPicture), Qt::LeftButton);
    QVERIFY(rig.controls.Visible(BurnAboutControls::BurnAbout));
    click(BurnAboutControls::BurnAboutButtonOk);
    QVERIFY(!rig.controls.Visible(BurnAboutControls::BurnAbout));
    click(Burner::DesktopButtonExit);
    QCOMPARE(rig.ended, 1);
    QCOMPARE(rig.settings.Get("System", "Language"), "1");
  }

  void hdmiWindow() {
    QtRig rig;
    rig.port.Open("/dev/ttyS0", "38400,N,8,1");  // at the unit's speed, as a window's own opening leaves it
    QWidget* form = rig.controls.Window(Hdmi::HdmiForm.window);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(Tabs(rig.Get<QTabWidget>(Hdmi::HdmiTable)),
             (QStringList{" Main ", "Switch", "Decoder", "Transmit", "Tab4", "Tab 5", "Tab 6", "Tab 7"}));
    rig.Get<QLineEdit>(Hdmi::HdmiTextAddress)->setText("5");
    QStringList faults;
    for (std::span<const HdmiCommand> table : {std::span<const HdmiCommand>(HdmiCommands::Buttons),
                                               std::span<const HdmiCommand>(HdmiCommands::Options)})
      for (const HdmiCommand& entry : table) {
        Click(rig.Get<QAbstractButton>(entry.control));
        if (Last(rig) != Qs(entry.command).toUpper() || rig.writes.back()[2] != 5) faults << Qs(entry.control.name);
      }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    rig.writes.clear();

    // A double-click through the window system, as a user's, on an option that sends again.
    auto* input = rig.Get<QRadioButton>(Hdmi::HdmiOptionInput2);
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, input->mapTo(form, QPoint(6, input->height() / 2)));
    QCOMPARE(rig.writes.size(), size_t(2));
    auto* step = rig.Get<QLineEdit>(Hdmi::HdmiTextHdmiStep);
    step->setText("0A");
    QTest::mouseDClick(step, Qt::LeftButton);
    QCOMPARE(Last(rig), "0500 0000 000A");

    // The register pages: a label reads on a left click only, a switch box writes what is typed.
    rig.Get<QTabWidget>(Hdmi::HdmiTable)->setCurrentIndex(3);
    rig.writes.clear();
    QTest::mouseClick(rig.Get<QLabel>(Hdmi::Ad9889Labelaf), Qt::LeftButton);
    QTest::mouseClick(rig.Get<QLabel>(Hdmi::Ad9889Labelaf), Qt::RightButton);
    QTest::mouseClick(rig.Get<QLabel>(Hdmi::Ad9889LabelafBit7), Qt::LeftButton);
    QCOMPARE(rig.writes.size(), size_t(1));
    QCOMPARE(Last(rig), "0500 0030 AF00");
    Click(rig.Get<QCheckBox>(Hdmi::Ad9889CheckPower));
    QCOMPARE(Last(rig), "0500 0031 4110");
    rig.Get<QTabWidget>(Hdmi::HdmiTable)->setCurrentIndex(1);
    auto* box = rig.Get<QLineEdit>(Hdmi::Ad8197Text00);
    box->setText("3C");
    QTest::mouseDClick(box, Qt::LeftButton);
    QCOMPARE(Last(rig), "0500 0011 003C");

    // The answers to all that are off the line before the dump starts.
    rig.link.pump.WaitUntil(rig.link.pump.Now() + 1, [] { return false; });
    rig.writes.clear();
    rig.Get<QTabWidget>(Hdmi::HdmiTable)->setCurrentIndex(3);
    rig.Press(Hdmi::Ad9889CommandReadReg);
    QCOMPARE(rig.writes.size(), size_t(256));
    QCOMPARE(rig.app.code.Buffer[0x41], uint8_t(0x10));
  }

  void anImageOpenedDuringABurnIsNotBurnedAndBurnsAreLogged() {
    // The windows write the command line's log lines, and burn nothing when
    // the log cannot be written.
    QtRig rig;
    LogBurns(rig.app);
    const std::string log = rig.folder.filePath("line.log").toStdString();
    rig.settings.Put("Production", "Log", log);
    rig.controls.SetText(Main::DesktopSelectComPort, "COM1");
    rig.Get<QAbstractButton>(Main::DesktopButtonSelectComSwitch)->click();
    BootChip(rig.link.unit.boot, 0x0003);
    // A binary image is burned as it was opened: the burn does not read it again.
    const std::string first = rig.File("first.bin", std::string(0xF00, '\x11'));
    const std::string second = rig.File("second.bin", std::string(0xF00, '\x22'));
    rig.dialogs.picks = {first};
    rig.Press(Burner::UpdateButtonOpenFile);
    rig.controls.SetIndex(Burner::UpdateSelectTarget, 0);
    emit rig.Get<QComboBox>(Burner::UpdateSelectTarget)->activated(0);

    bool opened = false, fileBoxes = true;
    At(rig.link.scheduler, 0.5, [&] {
      rig.dialogs.picks = {second};
      rig.Press(Main::UpdateButtonOpenFile);
      opened = rig.dialogs.picks.empty() && rig.app.job == Job::Burn;
      fileBoxes = rig.controls.Enabled(Burner::UpdateTextFileName) || rig.controls.Enabled(Main::UpdateTextFileName);
    });
    rig.Press(Burner::UpdateButtonUpdate);
    QVERIFY(opened);
    QVERIFY(!fileBoxes);
    QCOMPARE(rig.controls.Text(Burner::UpdateLabelBurnState), "进度: 完成");
    const auto& flash = BootFlash(rig.link.unit.boot, 1);
    QVERIFY(std::all_of(flash.begin(), flash.begin() + 0xF00, [](uint8_t b) { return b == 0x11; }));
    QCOMPARE(std::pair(rig.controls.Text(Burner::UpdateTextFileName), rig.controls.Text(Main::UpdateTextFileName)),
             std::pair(first, first));
    QCOMPARE(rig.dialogs.statusLine, "");
    std::string line;
    std::getline(std::ifstream(log), line);
    QVERIFY2(line.find(",\"port\":\"COM1\",\"adapter\":\"\",\"target\":1,\"chip_id\":\"0x0003\",") != std::string::npos, line.c_str());

    // The burner's box is the main window's; a binary typed there but never
    // opened is not burned from what the buffer holds.
    Type(rig.Get<QLineEdit>(Burner::UpdateTextFileName), Qs(second));
    QCOMPARE(rig.controls.Text(Main::UpdateTextFileName), second);
    rig.Press(Burner::UpdateButtonUpdate);
    QCOMPARE(rig.controls.Text(Burner::UpdateLabelBurnState), "设置: 文件调入出错");
    QVERIFY(std::all_of(flash.begin(), flash.begin() + 0xF00, [](uint8_t b) { return b == 0x11; }));

    // A stopped burn stays red on both windows.
    Type(rig.Get<QLineEdit>(Burner::UpdateTextFileName), Qs(first));
    At(rig.link.scheduler, rig.link.pump.Now() + 0.3, [&] { rig.Press(Burner::UpdateButtonUpdate); });
    rig.Press(Burner::UpdateButtonUpdate);
    for (Control state : {Main::UpdateLabelBurnState, Burner::UpdateLabelBurnState}) {
      QCOMPARE(rig.controls.Text(state), "结束: 已停止");
      QCOMPARE(rig.Get<QLabel>(state)->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    const size_t sent = rig.writes.size();
    rig.settings.Put("Production", "Log", log + ".none/line.log");
    rig.Press(Main::UpdateButtonUpdate);
    QCOMPARE(rig.controls.Text(Main::UpdateLabelBurnState), "设置: 生产记录写不进");
    QCOMPARE(rig.dialogs.notices.back(), "生产记录写不进 " + log + ".none/line.log");
    QCOMPARE(rig.writes.size(), sent);
  }

  void charBornWindow() {
    // The drawings come from the program's folder.
    const QString drawing = QCoreApplication::applicationDirPath() + "/Led7.Bmp";
    QFile::remove(drawing);
    QVERIFY(QFile::copy(QFileInfo(__FILE__).dir().filePath("../../assets/Led7.Bmp"), drawing));
    QtRig rig;
    namespace C = CharBornFormControls;
    rig.controls.SetVisible(C::CharBornForm, true);
    QVERIFY(rig.controls.Ticked(C::CharOption14) && rig.controls.Ticked(C::CharOptionUchar));
    // A box keeps one letter of what is typed.
    const char* typed[] = {"a", "b", "c", "d", "e", "f", "g", "hz", "i", "j", "k", "l", "m", "n", "x", "y"};
    for (size_t k = 0; k < 16; ++k) QTest::keyClicks(rig.Get<QLineEdit>(OrderBoxes[k]), typed[k]);
    QTest::mouseClick(rig.Get<QPushButton>(C::CharButtonBorn), Qt::LeftButton);
    QCOMPARE(rig.Get<QPlainTextEdit>(C::CharTextCode)->toPlainText(),
             Qs(BornText(LedDisplay::Seg14, FontFormat::Uchar, "ABCDEFGHIJKLMNXY", false)).replace("\r\n", "\n"));

    // Display type and format are two groups; seven segments take the high row out of use.
    Click(rig.Get<QRadioButton>(C::CharOption7));
    Click(rig.Get<QRadioButton>(C::CharOptionAsm));
    Click(rig.Get<QCheckBox>(C::CharCheckCode));
    QVERIFY(rig.controls.Ticked(C::CharOptionAsm) && !rig.controls.Ticked(C::CharOption14));
    QCOMPARE(rig.Get<QLabel>(C::CharPicture)->pixmap().size(), QSize(100, 170));
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    QVERIFY(!rig.controls.Enabled(OrderBoxes[8]) && rig.controls.Enabled(OrderBoxes[7]));
    QCOMPARE(rig.Get<QLineEdit>(OrderBoxes[15])->palette().color(QPalette::Disabled, QPalette::Base), menu);
    Click(rig.Get<QRadioButton>(C::CharOption16));
    QVERIFY2(rig.Get<QLabel>(C::CharPicture)->pixmap().isNull(), "a missing drawing shows nothing");
    QFile::remove(drawing);
  }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
