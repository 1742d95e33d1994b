#pragma once
// An editable drop-down list of fixed items that knows which item the
// engineer picked: chosen from the list, or named by the typed text (blanks
// around it and letter case ignored). Text that names no item picks nothing.

#include <QComboBox>

#include "form_fields.h"

class QWheelEvent;

namespace platewise {

class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  // Shows the field's start text with no item picked.
  DropDownList(const InputField& field, QWidget* parent);

  // Position of the picked item from 0; -1 at start and while the typed text names none.
  int picked_index() const { return picked_index_; }
  // Replaces the text as typing it does: an item the text names is picked
  // and shown as the list spells it.
  void type(const QString& text);
  // Back to the start text with no item picked.
  void reset();

 protected:
  // The wheel turns through the items only while the list has the keyboard focus.
  void wheelEvent(QWheelEvent* event) override;

 private:
  const InputField& field_;
  int picked_index_ = -1;
};

}  // namespace platewise
