#pragma once
// The one-beam window's way into projects: 文件 ▸ 新建工程 / 打开工程… /
// 保存工程 / 另存工程为…, and a project file or table of beams (.pwproj,
// .csv, .xlsx) dropped on the window or named at start. The project window
// is built only when first wanted, so that the window starts as before.
// Closing the one-beam window first asks about the project's unsaved changes.

#include <QObject>
#include <QString>
#include <memory>

namespace platewise {

class MainWindow;
class BeamFileActions;
class ProjectWindow;

class ProjectActions : public QObject {
  Q_OBJECT

 public:
  ProjectActions(MainWindow& form, BeamFileActions& files);
  ~ProjectActions() override;

  // A project file or a table of beams, by its name's extension.
  static bool opens_as_project(const QString& path);
  // Opens it in the project window, shown; false when it was not opened.
  bool open(const QString& path);
  // The project window, built now if it was not yet.
  ProjectWindow& window();
  bool has_window() const { return window_ != nullptr; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ProjectWindow& shown();

  MainWindow& form_;
  BeamFileActions& files_;
  std::unique_ptr<ProjectWindow> window_;
};

}  // namespace platewise
