#include "drop_down_list.h"

#include <QLineEdit>
#include <QWheelEvent>

#include "qt_text.h"

namespace platewise {

DropDownList::DropDownList(const InputField& field, QWidget* parent)
    : QComboBox(parent), field_(field) {
  // Editable through a text field of its own: setEditable(true) would also
  // build the list's popup, which waits here until the list is first opened.
  setLineEdit(new QLineEdit(this));
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // A wheel turn over the list must not take the focus and change the pick.
  setFocusPolicy(Qt::StrongFocus);
  for (std::string_view item : field.items) addItem(qt_text(item));
  reset();

  // QComboBox's own look-up of the typed text when editing finishes is cut
  // off: the typed text picks by the field's rule, and text that names no
  // item stays as typed.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);

  connect(this, &QComboBox::activated, this, [this](int index) { picked_index_ = index; });
  connect(lineEdit(), &QLineEdit::textEdited, this, [this, &field](const QString& text) {
    picked_index_ = field.item_named(text.toStdString());
  });
  // Once the edit is done, a named item shows as it is spelt in the list.
  connect(lineEdit(), &QLineEdit::editingFinished, this, [this] {
    if (picked_index_ >= 0) setEditText(itemText(picked_index_));
  });
}

void DropDownList::type(const QString& text) {
  picked_index_ = field_.item_named(text.toStdString());
  setEditText(picked_index_ >= 0 ? itemText(picked_index_) : text);
}

void DropDownList::reset() {
  setCurrentIndex(-1);
  setEditText(qt_text(field_.start_text));
  picked_index_ = -1;
}

void DropDownList::wheelEvent(QWheelEvent* event) {
  if (hasFocus()) {
    QComboBox::wheelEvent(event);
  } else {
    event->ignore();
  }
}

}  // namespace platewise
