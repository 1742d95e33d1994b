#include "quit_on_first_expose.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace {

void quit_soon() {
  // Queued, so that it also works before the event loop has started.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

class FirstExposeWatch : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      quit_soon();
      watched->removeEventFilter(this);
    }
    return false;
  }
};

}  // namespace

void quit_on_first_expose(QWidget& window) {
  QWindow* handle = window.windowHandle();
  if (handle->isExposed()) {
    quit_soon();
  } else {
    handle->installEventFilter(new FirstExposeWatch(handle));
  }
}
