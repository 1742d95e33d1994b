#include "project_actions.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>

#include "beam_file_actions.h"
#include "main_window.h"
#include "project_window.h"

namespace platewise {

ProjectActions::ProjectActions(MainWindow& form, BeamFileActions& files)
    : QObject(&form), form_(form), files_(files) {
  using enum WindowCommand;
  connect(form_.action(NewProject), &QAction::triggered, this, [this] { shown().new_project(); });
  connect(form_.action(OpenProject), &QAction::triggered, this,
          [this] { shown().pick_and_open(); });
  connect(form_.action(SaveProject), &QAction::triggered, this, [this] { shown().save(); });
  connect(form_.action(SaveProjectAs), &QAction::triggered, this, [this] { shown().save_as(); });
  files_.set_other_files([this](const QString& path) {
    if (!opens_as_project(path)) return false;
    open(path);
    return true;
  });
  // After the beam file's own question: Qt asks the filter installed last first.
  form_.installEventFilter(this);
}

ProjectActions::~ProjectActions() = default;

bool ProjectActions::opens_as_project(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("pwproj") || suffix == QLatin1String("csv") ||
         suffix == QLatin1String("xlsx");
}

ProjectWindow& ProjectActions::window() {
  if (!window_) window_ = std::make_unique<ProjectWindow>(form_, files_);
  return *window_;
}

ProjectWindow& ProjectActions::shown() {
  ProjectWindow& project = window();
  project.show();
  project.raise();
  project.activateWindow();
  return project;
}

bool ProjectActions::open(const QString& path) { return shown().open(path); }

bool ProjectActions::eventFilter(QObject* watched, QEvent* event) {
  // The program ends with the one-beam window: the project's changes are asked about first.
  if (watched == &form_ && event->type() == QEvent::Close && window_ && window_->isVisible() &&
      !window_->close()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace platewise
