#pragma once
// An editable drop-down list of fixed items that knows which item the
// engineer picked. Text typed into it picks nothing, even when it spells an
// item: the material look-ups go by a real pick only.

#include <QComboBox>
#include <QStringList>

namespace platewise {

class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  // Shows `text` with no item picked.
  DropDownList(const QStringList& items, const QString& text, QWidget* parent);

  // Position of the picked item from 0; -1 at start and after any typing.
  int picked_index() const { return picked_index_; }

 private:
  int picked_index_ = -1;
};

}  // namespace platewise
