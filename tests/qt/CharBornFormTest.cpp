// The font generator window offscreen: its controls, their first state, and
// clicks that reach the generator.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "QtRig.h"
#include "app/Widgets.h"
#include "app/Windows.h"
#include "fontgen/CharBorn.h"
#include "fontgen/CharBornFormControls.h"
#include "sim/VirtualLink.h"

namespace C = CharBornFormControls;

namespace {

struct Rig : QtRig {
  Rig() {
    controls.SetVisible(C::CharBornForm, true);
  }
  // A check or option button takes clicks on its box and caption only, not on
  // the whole width its layout gives it.
  void Click(Control c) {
    auto* button = Get<QAbstractButton>(c);
    const bool ticks = button->isCheckable();
    QTest::mouseClick(button, Qt::LeftButton, {}, ticks ? QPoint(8, button->height() / 2) : button->rect().center());
  }
};

// A drawing put beside this test program for as long as it lives.
struct DrawingBeside {
  QString path;
  explicit DrawingBeside(const char* name) : path(QCoreApplication::applicationDirPath() + "/" + name) {
    const QString source = QFileInfo(__FILE__).dir().filePath(QString("../../assets/") + name);
    QFile::remove(path);
    QFile::copy(source, path);
  }
  ~DrawingBeside() { QFile::remove(path); }
};

}  // namespace

class CharBornFormTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlExistsAsItsKindWithItsCaption() {
    Rig rig;
    for (Control c : C::All) {
      QWidget* widget = rig.controls.Find(c);
      QVERIFY2(widget, std::string(c.name).c_str());
      QCOMPARE(rig.controls.Text(c), std::string(c.caption));
      const std::string_view name = c.name;
      const char* kind = name == c.window                  ? "QWidget"
                         : name.starts_with("CharOption")   ? "QRadioButton"
                         : name.starts_with("CharCheck")    ? "QCheckBox"
                         : name.starts_with("CharButton")   ? "QPushButton"
                         : name == C::CharTextCode.name     ? "QPlainTextEdit"
                         : name.starts_with("CharTextOrder") ? "QLineEdit"
                                                             : "QLabel";
      QVERIFY2(widget->inherits(kind), std::string(name).c_str());
    }
    QCOMPARE(rig.Get<QWidget>(C::CharBornForm)->windowTitle(), "Char Born");
  }

  void startsOnFourteenSegmentsAndUnsignedCharWithSeparateChoices() {
    Rig rig;
    QVERIFY(rig.controls.Ticked(C::CharOption14));
    QVERIFY(rig.controls.Ticked(C::CharOptionUchar));
    QCOMPARE(rig.Get<QLabel>(C::CharPicture)->size(), QSize(100, 170));
    // Display type and format are two groups: a choice in one leaves the other.
    rig.Click(C::CharOptionAsm);
    rig.Click(C::CharOption16);
    QVERIFY(rig.controls.Ticked(C::CharOptionAsm));
    QVERIFY(!rig.controls.Ticked(C::CharOptionUchar));
    QVERIFY(!rig.controls.Ticked(C::CharOption14));
  }

  void sevenSegmentsTakeTheHighRowOutOfUse() {
    Rig rig;
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    rig.Click(C::CharOption7);
    for (size_t k = 0; k < 16; ++k) {
      QCOMPARE(rig.controls.Enabled(OrderBoxes[k]), k < 8);
      const QPalette palette = rig.Get<QLineEdit>(OrderBoxes[k])->palette();
      if (k >= 8) QCOMPARE(palette.color(QPalette::Disabled, QPalette::Base), menu);
    }
    rig.Click(C::CharOption14);
    for (Control box : OrderBoxes) QVERIFY(rig.controls.Enabled(box));
  }

  void bornFillsTheCodeBoxFromWhatWasTyped() {
    Rig rig;
    // A box keeps one letter of what is typed.
    const char* typed[] = {"a", "b", "c", "d", "e", "f", "g", "hz", "i", "j", "k", "l", "m", "n", "x", "y"};
    for (size_t k = 0; k < 16; ++k) QTest::keyClicks(rig.Get<QLineEdit>(OrderBoxes[k]), typed[k]);
    QCOMPARE(rig.controls.Text(OrderBoxes[7]), "h");
    rig.Click(C::CharButtonBorn);
    const QString shown = rig.Get<QPlainTextEdit>(C::CharTextCode)->toPlainText();
    const QString expected = Qs(BornText(LedDisplay::Seg14, FontFormat::Uchar, "ABCDEFGHIJKLMNXY", false));
    QCOMPARE(shown, QString(expected).replace("\r\n", "\n"));
    QVERIFY(shown.contains("{0x08,0x41},      //7\n"));

    rig.Click(C::CharOption7);
    rig.Click(C::CharCheckCode);
    rig.Click(C::CharOptionAsm);
    // Only "Born" changes the table.
    QCOMPARE(rig.Get<QPlainTextEdit>(C::CharTextCode)->toPlainText(), shown);
    rig.Click(C::CharButtonBorn);
    QCOMPARE(rig.Get<QPlainTextEdit>(C::CharTextCode)->toPlainText(),
             Qs(BornText(LedDisplay::Seg7, FontFormat::Asm, "ABCDEFGH", true)).replace("\r\n", "\n"));
  }

  void drawingsComeFromTheProgramFolderAndAMissingOneShowsNothing() {
    DrawingBeside seven("Led7.Bmp");
    QVERIFY(QFile::exists(seven.path));
    Rig rig;
    auto* picture = rig.Get<QLabel>(C::CharPicture);
    rig.Click(C::CharOption7);
    QCOMPARE(picture->pixmap().size(), QSize(100, 170));
    rig.Click(C::CharOption16);
    QVERIFY(picture->pixmap().isNull());
    QVERIFY(rig.dialogs.messages.empty());
  }
};

QTEST_MAIN(CharBornFormTest)
#include "CharBornFormTest.moc"
