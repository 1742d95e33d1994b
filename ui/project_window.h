#pragma once
// ProjectWindow: the window of a project (工程), a building's beams in one
// grid, with its own menu bar and tool bar: the project file (新建, 打开,
// 保存, 另存为), the grid's edits (撤销/重做, 复制/粘贴, rows added,
// duplicated, deleted, moved), the filter of the beams that need a look,
// the project's report information, its calculation report and its
// results as an Excel workbook (导出结果). The caption
// names the project, with "*" while it has unsaved changes; closing then
// asks 保存 / 不保存 / 取消. A failed save keeps the grid and the old file.
// The status line counts the beams and those that need a look, as they change.
// Choosing a row shows its beam in the form; what the engineer then does
// in the form is that row's.

#include <QMainWindow>
#include <QPersistentModelIndex>
#include <QString>
#include <map>

#include "project_filter.h"
#include "project_model.h"
#include "project_report.h"

class QAction;
class QLabel;
class QTableView;

namespace platewise {

class MainWindow;
class BeamFileActions;

enum class ProjectCommand {
  NewProject,
  OpenProject,
  SaveProject,
  SaveProjectAs,
  EditReportInfo,
  SaveReport,
  PrintReport,
  ExportResults,
  Close,
  Undo,
  Redo,
  Copy,
  Paste,
  AddBeam,
  DuplicateBeams,
  DeleteBeams,
  MoveUp,
  MoveDown,
  AttentionOnly,
};

class ProjectWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `form` is the one-beam window whose form edits the chosen row; `files`
  // its beam-file actions, through which a row is shown in it.
  ProjectWindow(MainWindow& form, BeamFileActions& files);

  // An empty project, after asking about unsaved changes; false when the engineer keeps them.
  bool new_project();
  // A project file or a table of beams (.csv, .xlsx). False, with a box
  // saying why, when it cannot be read, or when the engineer keeps unsaved
  // changes; the grid is then as it was. A table opens as a new project named after it.
  bool open(const QString& path);
  bool save();
  bool save_as();
  // Writes the project file at `path`; false, with a box saying why, when that fails.
  bool save_to(const QString& path);
  void pick_and_open();
  // Writes every beam's results into an Excel workbook; false, with a box saying why, when that
  // fails.
  bool export_results_to(const QString& path);

  QAction* action(ProjectCommand command) const { return actions_.at(command); }
  ProjectModel& model() { return model_; }
  ProjectReport& report() { return report_; }
  ProjectFilter& filter() { return filter_; }
  QTableView& grid() const { return *grid_; }
  const QString& file() const { return file_; }
  bool is_modified() const { return !model_.undo_stack().isClean(); }

  // The grid's selection: its beams in the model's order, and the copy of its cells.
  std::vector<int> selected_rows() const;
  void copy_selection();
  // Pastes the clipboard's text at the current cell, or after the last row when there is none.
  void paste_clipboard();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void build_actions();
  void connect_actions();
  void delete_selected();
  void move_current(int by);
  void edit_report_info();
  void export_results();
  void show_row_in_form();
  void take_row_from_form();
  void follow_in_form(const QModelIndex& top, const QModelIndex& bottom);
  bool may_discard_changes();
  void set_file(const QString& path, const QString& name);
  void update_caption();
  void update_count();

  MainWindow& form_;
  BeamFileActions& files_;
  ProjectModel model_;
  ProjectFilter filter_{model_};
  ProjectReport report_{*this, model_};
  QTableView* grid_;
  QLabel* count_;  // at the status line's right: the beams, and how many need a look
  std::map<ProjectCommand, QAction*> actions_;
  QString file_;  // the project file; empty for a new project or one opened from a table
  QString name_;  // what the caption calls it
  QPersistentModelIndex form_row_;  // the model's row the form shows, following moves
  bool taking_from_form_ = false;   // while the form's beam goes into its row
};

}  // namespace platewise
