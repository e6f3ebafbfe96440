#include "app/QtControls.h"

#include <QAbstractSlider>
#include <QTabWidget>
#include <QTextEdit>

#include "app/Widgets.h"

namespace {

bool IsWindow(Control c) { return c.name == c.window; }

[[noreturn]] void Unsupported(Control c, const char* what) {
  qFatal("%s: %s.%s has no such property", what, std::string(c.window).c_str(), std::string(c.name).c_str());
}

// Setting an option button clears the others of its frame; clearing the one
// that is set needs its exclusiveness lifted for the moment.
void SetChecked(QAbstractButton* button, bool ticked) {
  if (ticked || !button->autoExclusive()) return button->setChecked(ticked);
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(true);
}

}  // namespace

void QtControls::Register(std::string_view window, Factory factory) {
  factories.insert_or_assign(std::string(window), std::move(factory));
}

QWidget* QtControls::Window(std::string_view window) {
  if (auto it = windows.find(window); it != windows.end()) return it->second.get();
  auto factory = factories.find(window);
  if (factory == factories.end()) return nullptr;
  // A factory may touch other windows (the burner hides the main window) but never its own.
  QWidget* built = factory->second();
  windows.emplace(std::string(window), built);
  return built;
}

QWidget* QtControls::Find(Control c) {
  QWidget* window = Window(c.window);
  if (!window || IsWindow(c)) return window;
  return window->findChild<QWidget*>(Qs(c.name));
}

QWidget* QtControls::At(Control c) {
  QWidget* widget = Find(c);
  if (!widget) qFatal("No control %s.%s", std::string(c.window).c_str(), std::string(c.name).c_str());
  return widget;
}

std::string QtControls::Text(Control c) {
  QWidget* w = At(c);
  if (IsWindow(c)) return Std(w->windowTitle());
  if (auto* x = qobject_cast<QLabel*>(w)) return Std(x->text());
  if (auto* x = qobject_cast<QAbstractButton*>(w)) return Std(x->text());
  if (auto* x = qobject_cast<QGroupBox*>(w)) return Std(x->title());
  if (auto* x = qobject_cast<QLineEdit*>(w)) return Std(x->text());
  if (auto* x = qobject_cast<QPlainTextEdit*>(w)) return Std(x->toPlainText());
  if (auto* x = qobject_cast<QTextEdit*>(w)) return Std(x->toPlainText());
  if (auto* x = qobject_cast<QComboBox*>(w)) return Std(x->currentText());
  if (auto* x = qobject_cast<QListWidget*>(w)) return x->currentItem() ? Std(x->currentItem()->text()) : "";
  // Bars, pictures and the tab control carry no text.
  return {};
}

void QtControls::SetText(Control c, std::string_view text) {
  QWidget* w = At(c);
  const QString q = Qs(text);
  if (IsWindow(c)) return w->setWindowTitle(q);
  if (auto* x = qobject_cast<QLabel*>(w)) return x->setText(q);
  if (auto* x = qobject_cast<QAbstractButton*>(w)) return x->setText(q);
  if (auto* x = qobject_cast<QGroupBox*>(w)) return x->setTitle(q);
  if (auto* x = qobject_cast<QLineEdit*>(w)) return x->setText(q);
  // Text areas hold lines ending in a line feed alone.
  if (auto* x = qobject_cast<QPlainTextEdit*>(w)) return x->setPlainText(QString(q).replace("\r\n", "\n"));
  if (auto* x = qobject_cast<QTextEdit*>(w)) return x->setPlainText(QString(q).replace("\r\n", "\n"));
  if (auto* x = qobject_cast<QComboBox*>(w)) return x->setEditText(q);
  Unsupported(c, "SetText");
}

int QtControls::Value(Control c) {
  QWidget* w = At(c);
  if (auto* x = qobject_cast<QAbstractSlider*>(w)) return x->value();
  if (auto* x = qobject_cast<QProgressBar*>(w)) return x->value();
  Unsupported(c, "Value");
}

void QtControls::SetValue(Control c, int value) {
  QWidget* w = At(c);
  if (auto* x = qobject_cast<QAbstractSlider*>(w)) return x->setValue(value);
  if (auto* x = qobject_cast<QProgressBar*>(w)) return x->setValue(value);
  Unsupported(c, "SetValue");
}

void QtControls::SetRange(Control c, int minimum, int maximum) {
  QWidget* w = At(c);
  if (auto* x = qobject_cast<QAbstractSlider*>(w)) return x->setRange(minimum, maximum);
  if (auto* x = qobject_cast<QProgressBar*>(w)) return x->setRange(minimum, maximum);
  Unsupported(c, "SetRange");
}

bool QtControls::Ticked(Control c) {
  auto* button = qobject_cast<QAbstractButton*>(At(c));
  if (!button || !button->isCheckable()) Unsupported(c, "Ticked");
  return button->isChecked();
}

void QtControls::SetTicked(Control c, bool ticked) {
  auto* button = qobject_cast<QAbstractButton*>(At(c));
  if (!button || !button->isCheckable()) Unsupported(c, "SetTicked");
  SetChecked(button, ticked);
}

int QtControls::Index(Control c) {
  QWidget* w = At(c);
  if (auto* x = qobject_cast<QComboBox*>(w)) return x->currentIndex();
  if (auto* x = qobject_cast<QListWidget*>(w)) return x->currentRow();
  if (auto* x = qobject_cast<QTabWidget*>(w)) return x->currentIndex();
  Unsupported(c, "Index");
}

void QtControls::SetIndex(Control c, int index) {
  QWidget* w = At(c);
  if (auto* x = qobject_cast<QListWidget*>(w)) return x->setCurrentRow(index);
  if (auto* x = qobject_cast<QTabWidget*>(w)) return x->setCurrentIndex(index);
  auto* combo = qobject_cast<QComboBox*>(w);
  if (!combo) Unsupported(c, "SetIndex");
  // Clearing the selection keeps the text, as setting an entry shows it.
  const QString text = combo->currentText();
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  if (combo->currentIndex() < 0) combo->setEditText(text);
}

std::vector<std::string> QtControls::Entries(Control c) {
  QWidget* w = At(c);
  QStringList texts;
  if (auto* x = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < x->count(); ++i) texts << x->itemText(i);
  else if (auto* list = qobject_cast<QListWidget*>(w))
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  else if (auto* tabs = qobject_cast<QTabWidget*>(w))
    for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  else
    Unsupported(c, "Entries");
  std::vector<std::string> entries;
  for (const QString& text : texts) entries.push_back(Std(text));
  return entries;
}

void QtControls::SetEntries(Control c, const std::vector<std::string>& entries) {
  QWidget* w = At(c);
  QStringList texts;
  for (const auto& entry : entries) texts << Qs(entry);
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    list->clear();
    return list->addItems(texts);
  }
  auto* combo = qobject_cast<QComboBox*>(w);
  if (!combo) Unsupported(c, "SetEntries");
  // New entries leave the text as it was and select none.
  const QString text = combo->currentText();
  combo->clear();
  combo->addItems(texts);
  combo->setCurrentIndex(-1);
  combo->setEditText(text);
}

bool QtControls::Enabled(Control c) { return At(c)->isEnabled(); }

void QtControls::SetEnabled(Control c, bool enabled) { At(c)->setEnabled(enabled); }

// A control inside a hidden window still counts as visible, as its own flag says.
bool QtControls::Visible(Control c) { return !At(c)->isHidden(); }

void QtControls::SetVisible(Control c, bool visible) {
  QWidget* w = At(c);
  if (!IsWindow(c)) {
    w->setVisible(visible);
  } else if (!visible) {
    w->hide();
  } else {
    // A window hidden by minimising comes back at its normal size.
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
  }
}

void QtControls::SetColour(Control c, uint32_t colour) {
  QWidget* w = At(c);
  const QColor qt(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
  QPalette palette = w->palette();
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) palette.setColor(role, qt);
  w->setPalette(palette);
}
