#pragma once
// A freshly started Platewise window, driven through its widgets as the
// engineer drives it: clicks, keys and typing.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <ostream>

#include "startup.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = platewise::start_platewise();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  template <class W = QWidget>
  W* widget(const QString& name) const {
    W* found = window_->findChild<W*>(name);
    if (found == nullptr) ADD_FAILURE() << "no widget " << name.toStdString();
    return found;
  }

  // What a control shows: a field's or list's text, a caption, a label.
  QString text(const QString& name) const {
    QWidget* w = widget(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
    return {};
  }

  // Texts of the named controls, joined by "|".
  QString texts(const QStringList& names) const {
    QStringList shown;
    for (const QString& name : names) shown << text(name);
    return shown.join('|');
  }

  // Replaces a field's or list's text by typing, as the engineer does.
  void type_into(const QString& name, const QString& typed) {
    QWidget* field = widget(name);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
    for (QChar c : typed) {
      if (c.unicode() < 0x80) {
        QTest::keyClick(field, c.toLatin1());
      } else {
        // Chinese comes through the input method, as a committed string.
        QInputMethodEvent composed;
        composed.setCommitString(c);
        QApplication::sendEvent(field, &composed);
      }
    }
  }

  void click(const QString& name) {
    QWidget* w = widget(name);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
  }

  int list_index(const char* name) const {
    return static_cast<const platewise::FormAccess&>(*window_).list_index(name);
  }

  std::unique_ptr<platewise::Form_sb> window_;
};
