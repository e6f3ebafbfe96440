#include "fontgen/CharBornForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QPixmap>

#include "app/Widgets.h"
#include "fontgen/CharBorn.h"
#include "fontgen/CharBornFormControls.h"

namespace C = CharBornFormControls;

namespace {

constexpr int PictureWidth = 100, PictureHeight = 170;
constexpr int OrderBoxWidth = 28;

// The drawings lie beside the program; one that is not there leaves the picture empty.
void ShowDrawing(QLabel* picture, std::string_view file) {
  picture->setPixmap(QPixmap(QCoreApplication::applicationDirPath() + "/" + Qs(file)));
}

QLineEdit* OrderBox(Control c) {
  QLineEdit* box = NewTextBox(c);
  // Each box names one segment.
  box->setMaxLength(1);
  box->setAlignment(Qt::AlignCenter);
  box->setFixedWidth(OrderBoxWidth);
  // A box out of use takes the menus' background, one in use the text boxes' own.
  QPalette palette = box->palette();
  palette.setColor(QPalette::Disabled, QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
  box->setPalette(palette);
  return box;
}

// The low row holds boxes 7 to 0 and the high row 15 to 8: bit 7 on the left.
QGridLayout* OrderRows() {
  auto* grid = new QGridLayout;
  grid->addWidget(NewLabel(C::CharLabelOrderLow), 0, 0);
  grid->addWidget(NewLabel(C::CharLabelOrderHigh), 1, 0);
  for (int bit = 0; bit < 8; ++bit) {
    grid->addWidget(OrderBox(OrderBoxes[7 - bit]), 0, bit + 1);
    grid->addWidget(OrderBox(OrderBoxes[15 - bit]), 1, bit + 1);
  }
  return grid;
}

// Option buttons exclude only their siblings, so each group gets a parent of its own.
QWidget* OptionGroup(std::initializer_list<QRadioButton*> options, Qt::Orientation orientation) {
  auto* group = new QWidget;
  auto* layout = new QBoxLayout(orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, group);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QRadioButton* option : options) layout->addWidget(option);
  return group;
}

}  // namespace

// Where the window opens, in twips: cascaded with the other tool windows.
constexpr QPoint OpenPlace{2400, 2400};

QWidget* NewCharBornForm(Ambrelin& app) {
  QWidget* window = NewWindow(C::CharBornForm);
  Controls& controls = app.controls;

  QLabel* picture = NewLabel(C::CharPicture);
  picture->setFixedSize(PictureWidth, PictureHeight);
  QRadioButton* seven = NewOption(C::CharOption7);
  QRadioButton* fourteen = NewOption(C::CharOption14);
  QRadioButton* sixteen = NewOption(C::CharOption16);
  OnClick(seven, [&controls, picture] { ShowDrawing(picture, CharOption_Click(controls, LedDisplay::Seg7)); });
  OnClick(fourteen, [&controls, picture] { ShowDrawing(picture, CharOption_Click(controls, LedDisplay::Seg14)); });
  OnClick(sixteen, [&controls, picture] { ShowDrawing(picture, CharOption_Click(controls, LedDisplay::Seg16)); });
  fourteen->setChecked(true);
  ShowDrawing(picture, DrawingFile(LedDisplay::Seg14));

  QRadioButton* unsignedChar = NewOption(C::CharOptionUchar);
  unsignedChar->setChecked(true);
  QPushButton* born = NewButton(C::CharButtonBorn);
  OnClick(born, [&controls] { CharButtonBorn_Click(controls); });

  auto* grid = new QGridLayout(window);
  grid->addWidget(OptionGroup({seven, fourteen, sixteen}, Qt::Vertical), 0, 0, Qt::AlignTop);
  grid->addWidget(picture, 0, 1, Qt::AlignLeft);
  grid->addWidget(NewLabel(C::CharLabelOrder), 1, 0);
  grid->addLayout(OrderRows(), 1, 1);
  grid->addWidget(NewLabel(C::CharLabelCode), 2, 0);
  grid->addWidget(NewCheck(C::CharCheckCode), 2, 1);
  grid->addWidget(NewLabel(C::CharLabelFormat), 3, 0);
  grid->addWidget(
      OptionGroup({unsignedChar, NewOption(C::CharOptionUshort), NewOption(C::CharOptionAsm)}, Qt::Horizontal), 3, 1);
  grid->addWidget(NewLabel(C::CharLabelStep4), 4, 0);
  grid->addWidget(born, 4, 1, Qt::AlignLeft);
  grid->addWidget(NewTextArea(C::CharTextCode), 0, 2, 5, 2);
  grid->addWidget(NewButton(C::CharButtonLoadFile), 5, 2);
  grid->addWidget(NewButton(C::CharButtonSaveFile), 5, 3);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(3, 1);
  OpenAt(window, OpenPlace);
  return window;
}
