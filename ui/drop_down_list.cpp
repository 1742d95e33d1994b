#include "drop_down_list.h"

#include <QLineEdit>

namespace platewise {

DropDownList::DropDownList(const QStringList& items, const QString& text, QWidget* parent)
    : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  addItems(items);
  setCurrentIndex(-1);
  setEditText(text);

  // When editing finishes, QComboBox looks the typed text up among the items
  // and, on a match, picks that item and may rewrite the text. Typed text must
  // stay as typed and pick nothing, so that look-up is cut off.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);

  connect(this, &QComboBox::activated, this, [this](int index) { picked_index_ = index; });
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { picked_index_ = -1; });
}

}  // namespace platewise
