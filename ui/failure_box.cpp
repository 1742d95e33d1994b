#include "failure_box.h"

#include <QMessageBox>

#include "form_design.h"
#include "qt_text.h"

namespace platewise {

void show_failure_box(QWidget& window, const QString& message) {
  const QString caption = qt_text(window_design::window().caption);
  auto* box = new QMessageBox(QMessageBox::Critical, caption, message, QMessageBox::Ok, &window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse);
  box->open();
}

}  // namespace platewise
