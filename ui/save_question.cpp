#include "save_question.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace platewise {

SaveAnswer ask_to_save(QWidget* parent, const QString& caption, const QString& question) {
  QMessageBox box(QMessageBox::Question, caption, question, QMessageBox::NoButton, parent);
  QAbstractButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
  QAbstractButton* discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
  QAbstractButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
  box.setDefaultButton(qobject_cast<QPushButton*>(save));
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveAnswer::Save;
  return box.clickedButton() == discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

}  // namespace platewise
