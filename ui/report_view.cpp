#include "report_view.h"

#include <QKeyEvent>

namespace platewise {

ReportView::ReportView(QWidget* parent) : QTextBrowser(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setOpenLinks(false);
  setFocusPolicy(Qt::StrongFocus);
  // Keys scroll and select; the text cannot be changed.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReportView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTextBrowser::mouseDoubleClickEvent(event);
  emit preview_requested();
}

void ReportView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit preview_requested();
    return;
  }
  QTextBrowser::keyPressEvent(event);
}

}  // namespace platewise
