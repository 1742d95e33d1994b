#include "report_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

namespace platewise {

ReportView::ReportView(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
}

void ReportView::show_document(std::unique_ptr<QTextDocument> document) {
  if (browser_ == nullptr) {
    browser_ = new QTextBrowser(this);
    browser_->setFrameStyle(QFrame::NoFrame);
    browser_->setGeometry(contentsRect());
    browser_->setOpenLinks(false);
    // The panel keeps the focus and passes the keys on: the text cannot be changed.
    browser_->setFocusPolicy(Qt::NoFocus);
    browser_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    browser_->viewport()->installEventFilter(this);
    browser_->show();
  }
  const int scrolled = browser_->verticalScrollBar()->value();
  // A child of the browser: the browser deletes it when the next one comes.
  document->setParent(browser_);
  browser_->setDocument(document.release());
  browser_->verticalScrollBar()->setValue(scrolled);
}

QString ReportView::text() const {
  return browser_ == nullptr ? QString() : browser_->toPlainText();
}

void ReportView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit preview_requested();
  } else if (browser_ != nullptr) {
    QCoreApplication::sendEvent(browser_, event);  // scrolling and selecting
  } else {
    QFrame::keyPressEvent(event);
  }
}

bool ReportView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) setFocus(Qt::MouseFocusReason);
  if (event->type() == QEvent::MouseButtonDblClick) emit preview_requested();
  return QFrame::eventFilter(watched, event);
}

}  // namespace platewise
