#pragma once
// The menu bar above the window's design: 文件(F) and 帮助(H). Each command
// is one QAction, which carries its shortcut; the buttons that give the same
// command trigger its action, so that menu, shortcut and button run the
// same code. The menu only names the commands: whoever carries one out
// connects to its action.

#include <QMenuBar>
#include <map>

class QAction;
class QMenu;

namespace platewise {

enum class WindowCommand {
  OpenFile,
  SaveFile,
  SaveFileAs,
  NewProject,
  OpenProject,
  SaveProject,
  SaveProjectAs,
  EditReportInfo,
  SaveReport,
  PrintReport,
  PreviewReport,
  Quit,
  ShowHelp,
  ShowAbout,
};

class WindowMenu : public QMenuBar {
  Q_OBJECT

 public:
  explicit WindowMenu(QWidget& window);

  QAction* action(WindowCommand command) const { return actions_.at(command); }
  // The submenu 最近打开; whoever keeps the list fills it as it is about to show.
  QMenu* recent_files() const { return recent_files_; }

 private:
  std::map<WindowCommand, QAction*> actions_;
  QMenu* recent_files_;
};

}  // namespace platewise
