#pragma once
// What the window tests do to a widget as the user would: find it by its
// control's name, type into it, click it.
#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>
#include <string>

#include "app/QtControls.h"

template <typename W>
W* Get(QtControls& controls, Control c) {
  auto* widget = qobject_cast<W*>(controls.Find(c));
  if (!widget) qFatal("%s is not the expected kind of widget", std::string(c.name).c_str());
  return widget;
}

// On a check or option button's own box, not past the end of its caption.
inline void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline void Type(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}
