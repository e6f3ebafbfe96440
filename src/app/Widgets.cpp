#include "app/Widgets.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <QAbstractScrollArea>

namespace {

// The design measures in twips; at 96 dpi a pixel is 15 of them.
constexpr int TwipsPerPixel = 15;
constexpr int DragMargin = 2000;

struct EventHook : QObject {
  QEvent::Type type;
  std::function<bool(QEvent*)> action;
  EventHook(QObject* target, QEvent::Type t, std::function<bool(QEvent*)> a)
      : QObject(target), type(t), action(std::move(a)) {
    target->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == type && action(event); }
};

template <typename W>
W* Named(W* widget, Control c) {
  widget->setObjectName(Qs(c.name));
  return widget;
}

}  // namespace

QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string Std(const QString& text) { return text.toStdString(); }

void DropDownCombo::showPopup() {
  if (dropDown) dropDown();
  QComboBox::showPopup();
}

QWidget* NewWindow(Control c) {
  auto* window = Named(new QWidget, c);
  window->setWindowTitle(Qs(c.caption));
  return window;
}

QLabel* NewLabel(Control c) {
  auto* label = Named(new QLabel(Qs(c.caption)), c);
  // Texts carry values read from files; none of them is markup.
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* NewPicture(Control c) {
  QLabel* picture = NewLabel(c);
  picture->setStyleSheet(
      "QLabel { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #2f6f9f, stop:1 #0c2238); }");
  return picture;
}

QPushButton* NewButton(Control c) { return Named(new QPushButton(Qs(c.caption)), c); }

QCheckBox* NewCheck(Control c) { return Named(new QCheckBox(Qs(c.caption)), c); }

QRadioButton* NewOption(Control c) { return Named(new QRadioButton(Qs(c.caption)), c); }

QGroupBox* NewFrame(Control c) { return Named(new QGroupBox(Qs(c.caption)), c); }

QLineEdit* NewTextBox(Control c) { return Named(new QLineEdit(Qs(c.caption)), c); }

QPlainTextEdit* NewTextArea(Control c) {
  auto* area = Named(new QPlainTextEdit(Qs(c.caption)), c);
  // Hex dumps line up in columns.
  area->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  area->setLineWrapMode(QPlainTextEdit::NoWrap);
  return area;
}

DropDownCombo* NewCombo(Control c, const QStringList& entries) {
  auto* combo = Named(new DropDownCombo, c);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(entries);
  combo->setCurrentIndex(-1);
  combo->setEditText(Qs(c.caption));
  return combo;
}

QListWidget* NewList(Control c) { return Named(new QListWidget, c); }

QProgressBar* NewBar(Control c) {
  auto* bar = Named(new QProgressBar, c);
  bar->setTextVisible(false);
  bar->setValue(0);
  return bar;
}

void OnEvent(QObject* target, QEvent::Type type, std::function<bool(QEvent*)> action) {
  new EventHook(target, type, std::move(action));
}

void OnDoubleClick(QWidget* widget, std::function<void()> action) {
  // A list takes its mouse events on its viewport.
  auto* area = qobject_cast<QAbstractScrollArea*>(widget);
  OnEvent(area ? area->viewport() : widget, QEvent::MouseButtonDblClick, [action = std::move(action)](QEvent*) {
    action();
    return true;
  });
}

void OnClick(QAbstractButton* button, std::function<void()> action) {
  QObject::connect(button, &QAbstractButton::clicked, button, [action = std::move(action)] { action(); });
}

void OnLabelClick(QLabel* label, std::function<void()> action) {
  OnEvent(label, QEvent::MouseButtonRelease, [label, action = std::move(action)](QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint())) return false;
    action();
    return true;
  });
}

void DragByPicture(QWidget* picture, QWidget* window, int offsetX, int offsetY) {
  OnEvent(picture, QEvent::MouseMove, [window, offsetX, offsetY](QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (!(mouse->buttons() & Qt::LeftButton)) return false;
    const QPoint pointer = mouse->position().toPoint() * TwipsPerPixel;
    if (pointer.x() <= DragMargin && pointer.y() <= DragMargin) return true;
    const QPoint to = window->pos() * TwipsPerPixel + pointer - QPoint(offsetX, offsetY);
    window->move(qRound(to.x() / double(TwipsPerPixel)), qRound(to.y() / double(TwipsPerPixel)));
    return true;
  });
}

void OpenAt(QWidget* window, QPoint twips) {
  // Placed once its size is known, as it is first shown: before it is mapped.
  OnEvent(window, QEvent::Show, [window, twips, placed = false](QEvent*) mutable {
    if (placed) return false;
    placed = true;
    constexpr double TwipsPerInch = 1440;
    const QScreen* screen = window->screen();
    const QRect free = screen->availableGeometry();
    const QPoint from = free.topLeft() + QPoint(qRound(twips.x() * screen->logicalDotsPerInchX() / TwipsPerInch),
                                                qRound(twips.y() * screen->logicalDotsPerInchY() / TwipsPerInch));
    // With its frame, where the platform knows it before the window is mapped.
    const QSize size = window->frameGeometry().size();
    window->move(std::max(free.left(), std::min(from.x(), free.right() + 1 - size.width())),
                 std::max(free.top(), std::min(from.y(), free.bottom() + 1 - size.height())));
    return false;
  });
}

DropDownCombo* TargetCombo(Control c) {
  QStringList ids;
  for (int id = 1; id <= 6; ++id) ids << QString("ID = %1").arg(id);
  DropDownCombo* combo = NewCombo(c, ids);
  combo->setMinimumWidth(130);
  return combo;
}

QSlider* NewSlider(Control c, Qt::Orientation orientation, int minimum, int maximum, int value) {
  auto* slider = Named(new QSlider(orientation), c);
  slider->setRange(minimum, maximum);
  slider->setValue(value);
  return slider;
}
