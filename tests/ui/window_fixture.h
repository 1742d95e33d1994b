#pragma once
// A freshly started Platewise window, driven through its widgets as the
// engineer drives it: clicks, keys and typing.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <ostream>

#include "beam_file.h"
#include "beam_file_actions.h"
#include "default_results.h"
#include "file_io.h"
#include "form_fields.h"
#include "startup.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// Clicks the button of the box that reads `text`.
inline void press(QMessageBox* box, const QString& text) {
  for (QAbstractButton* b : box->buttons()) {
    if (b->text() == text) b->click();
  }
}

class WindowTest : public testing::Test {
 protected:
  void SetUp() override { start(); }
  // Starts the program (again: its window replaces the one before), with a file or without.
  void start(const QString& file = {}) {
    window_ = platewise::start_platewise(file);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

 public:  // for the rows of parameterized tests too
  // The widget of a role key, or of a control of the design by its name.
  template <class W = QWidget>
  W* widget(const QString& name) const {
    const std::string_view control = platewise::control_of(name.toStdString());
    W* found = window_->findChild<W*>(control.empty() ? name : QString::fromUtf8(control));
    if (found == nullptr) ADD_FAILURE() << "no widget " << name.toStdString();
    return found;
  }

  // What a control shows: a field's, list's, button's or label's text, a frame's caption.
  QString text(const QString& name) const {
    for (const char* shown : {"text", "currentText", "title"}) {
      if (const QVariant v = widget(name)->property(shown); v.isValid()) return v.toString();
    }
    return {};
  }
  // Texts of the named controls, joined by "|".
  QString texts(const QStringList& names) const {
    QStringList shown;
    for (const QString& name : names) shown << text(name);
    return shown.join('|');
  }
  QString results() const {
    QStringList names;
    for (const std::string& name : platewise::testing::kResultFields) names << name.c_str();
    return texts(names);
  }
  QString status() const { return text("status_line"); }
  QString caption() const { return window_->windowHandle()->title(); }
  // The text of the message box over the window, or "".
  QString box_text() const {
    auto* box = window_->findChild<QMessageBox*>();
    return box != nullptr ? box->text() : QString();
  }
  // The dialog of that kind now open over the window, or nullptr.
  template <class Dialog>
  Dialog* open_dialog() const {
    for (Dialog* dialog : window_->findChildren<Dialog*>()) {
      if (dialog->isVisible()) return dialog;
    }
    return nullptr;
  }
  int list_index(std::string_view role) const {
    return static_cast<const platewise::FormAccess&>(*window_).list_index(role);
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
      } else {  // Chinese comes through the input method, as a committed string
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
  void calculate() { click("calculate_button"); }

  platewise::BeamFileActions& files() const {
    return *window_->findChild<platewise::BeamFileActions*>();
  }
  // A file in a folder of the test's own.
  QString path(const QString& name) const { return dir_.filePath(name); }
  // The beam file of that name in the test's folder, as read back.
  platewise::BeamFile saved(const QString& name) const {
    return platewise::parse_beam_file(platewise::read_whole_file(path(name)), name);
  }

 protected:
  std::unique_ptr<platewise::MainWindow> window_;
  QTemporaryDir dir_;
};
