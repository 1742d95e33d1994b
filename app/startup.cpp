#include "startup.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "app_icon.h"
#include "beam_file_actions.h"
#include "cjk_fonts.h"
#include "project_actions.h"
#include "qt_chinese.h"

namespace platewise {

std::unique_ptr<MainWindow> start_platewise(const QString& file) {
  register_cjk_font_substitutes();
  use_chinese_qt_texts();
  QApplication::setWindowIcon(app_icon());

  auto window = std::make_unique<MainWindow>();
  const QRect screen = window->screen()->availableGeometry();
  window->setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen));
  auto* files = new BeamFileActions(*window);
  new ProjectActions(*window, *files);
  window->show();
  if (!file.isEmpty()) files->open_any(file);
  return window;
}

}  // namespace platewise
