#pragma once
// Widgets made from the control constants: each takes its objectName and
// caption from the constant, so a window file is its layout and its events.
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <functional>
#include <string>

#include "app/Platform.h"

QString Qs(std::string_view);
std::string Std(const QString&);

// A combo box that reports before its list drops down, so the list can be
// rebuilt first.
struct DropDownCombo : QComboBox {
  std::function<void()> dropDown;
  void showPopup() override;
};

QWidget* NewWindow(Control);
QLabel* NewLabel(Control);
// A picture with a drawn backdrop: there are no bitmaps to show.
QLabel* NewPicture(Control);
QPushButton* NewButton(Control);
QCheckBox* NewCheck(Control);
QRadioButton* NewOption(Control);
QGroupBox* NewFrame(Control);
QLineEdit* NewTextBox(Control);
QPlainTextEdit* NewTextArea(Control);
// Editable, as its text is set freely; the caption is its text, no entry selected.
DropDownCombo* NewCombo(Control, const QStringList& entries = {});
QListWidget* NewList(Control);
QProgressBar* NewBar(Control);
QSlider* NewSlider(Control, Qt::Orientation, int minimum, int maximum, int value);

// Runs action on every event of this type that reaches target; the action
// says whether the event is used up.
void OnEvent(QObject* target, QEvent::Type, std::function<bool(QEvent*)> action);
// A double-click anywhere on the widget, the empty part of a list included.
void OnDoubleClick(QWidget*, std::function<void()> action);
void OnClick(QAbstractButton*, std::function<void()> action);
// A left-button click on a label, when the button is released over it.
void OnLabelClick(QLabel*, std::function<void()> action);

// The window drag by a picture: with the left button held and the pointer
// more than 2000 twips from the picture's left or top edge, each move puts
// the window at left + x - offsetX, top + y - offsetY (all in twips).
void DragByPicture(QWidget* picture, QWidget* window, int offsetX, int offsetY);

// Opens a window, the first time it is shown, at a place given in twips from
// the top left of its screen's free area (1440 twips an inch at the screen's
// logical DPI), moved back as far as needed for it to lie wholly on that area.
void OpenAt(QWidget* window, QPoint twips);

// The target list of both burn pages: "ID = 1" to "ID = 6".
DropDownCombo* TargetCombo(Control);
