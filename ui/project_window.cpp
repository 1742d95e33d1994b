#include "project_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <algorithm>
#include <span>

#include "beam_file_actions.h"
#include "failure_box.h"
#include "file_error.h"
#include "form_design.h"
#include "main_window.h"
#include "project_file.h"
#include "project_report.h"
#include "qt_text.h"
#include "report_info_dialog.h"
#include "results_workbook.h"
#include "save_question.h"

namespace platewise {
namespace {

using enum ProjectCommand;

struct ActionEntry {
  ProjectCommand command;
  const char* name;  // the action's object name
  const char* text;
  QKeySequence::StandardKey keys = QKeySequence::UnknownKey;
  bool on_tool_bar = false;
  bool separator_before = false;
};

// 工程(P)
constexpr ActionEntry kProjectMenu[] = {
    {NewProject, "new_project", "新建工程(&N)", QKeySequence::New, true},
    {OpenProject, "open_project", "打开工程(&O)…", QKeySequence::Open, true},
    {SaveProject, "save_project", "保存工程(&S)", QKeySequence::Save, true},
    {SaveProjectAs, "save_project_as", "另存工程为(&A)…", QKeySequence::SaveAs},
    {EditReportInfo, "edit_project_report_info", "计算书信息(&I)…", QKeySequence::UnknownKey, false,
     true},
    {SaveReport, "save_project_report", "保存工程计算书(&E)…", QKeySequence::UnknownKey, true},
    {PrintReport, "print_project_report", "打印工程计算书(&P)…", QKeySequence::Print},
    {ExportResults, "export_results", "导出结果(&X)…", QKeySequence::UnknownKey, true},
    {Close, "close_project_window", "关闭(&C)", QKeySequence::Close, false, true},
};

// 编辑(E)
constexpr ActionEntry kEditMenu[] = {
    {Undo, "undo", "撤销(&U)", QKeySequence::Undo, true, true},
    {Redo, "redo", "重做(&R)", QKeySequence::Redo, true},
    {Copy, "copy", "复制(&C)", QKeySequence::Copy, false, true},
    {Paste, "paste", "粘贴(&P)", QKeySequence::Paste},
    {AddBeam, "add_beam", "添加构件(&B)", QKeySequence::UnknownKey, true, true},
    {DuplicateBeams, "duplicate_beams", "复制构件(&D)", QKeySequence::UnknownKey, true},
    {DeleteBeams, "delete_beams", "删除构件(&X)", QKeySequence::UnknownKey, true},
    {MoveUp, "move_up", "上移(&K)", QKeySequence::UnknownKey, true},
    {MoveDown, "move_down", "下移(&J)", QKeySequence::UnknownKey, true},
};

// 查看(V)
constexpr ActionEntry kViewMenu[] = {
    {AttentionOnly, "attention_only", "只显示不满足/注意/出错(&F)", QKeySequence::UnknownKey, true,
     true},
};

const QString kFilter = QStringLiteral("工程文件 (*.pwproj);;梁表格 (*.csv *.xlsx);;所有文件 (*)");

QString caption() { return qt_text(window_design::window().caption); }

}  // namespace

ProjectWindow::ProjectWindow(MainWindow& form, BeamFileActions& files)
    : form_(form), files_(files), grid_(new QTableView(this)), count_(new QLabel(this)) {
  setObjectName(QStringLiteral("project_window"));
  grid_->setObjectName(QStringLiteral("project_grid"));
  grid_->setModel(&filter_);
  grid_->setSortingEnabled(true);
  grid_->sortByColumn(-1,
                      Qt::AscendingOrder);  // the project's own order until a heading is clicked
  grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  grid_->horizontalHeader()->setDefaultSectionSize(96);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  setCentralWidget(grid_);
  setAcceptDrops(true);
  build_actions();
  connect_actions();
  count_->setObjectName(QStringLiteral("project_count"));
  statusBar()->addPermanentWidget(count_);
  connect(&model_, &QAbstractItemModel::dataChanged, this, &ProjectWindow::update_count);
  connect(&model_, &QAbstractItemModel::rowsInserted, this, &ProjectWindow::update_count);
  connect(&model_, &QAbstractItemModel::rowsRemoved, this, &ProjectWindow::update_count);
  connect(&model_, &QAbstractItemModel::modelReset, this, &ProjectWindow::update_count);
  update_count();
  resize(1100, 600);
  set_file({}, QStringLiteral("未命名工程"));
}

void ProjectWindow::build_actions() {
  QToolBar* tools = addToolBar(QStringLiteral("工程"));
  tools->setObjectName(QStringLiteral("project_tool_bar"));
  tools->setMovable(false);
  const auto add_menu = [&](const char* title, std::span<const ActionEntry> entries) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
    for (const ActionEntry& entry : entries) {
      if (entry.separator_before) {
        menu->addSeparator();
        if (entry.on_tool_bar) tools->addSeparator();
      }
      QAction* action = menu->addAction(QString::fromUtf8(entry.text));
      action->setObjectName(QString::fromUtf8(entry.name));
      if (entry.keys != QKeySequence::UnknownKey) action->setShortcuts(entry.keys);
      if (entry.on_tool_bar) tools->addAction(action);
      actions_.emplace(entry.command, action);
    }
  };
  add_menu("工程(&P)", kProjectMenu);
  add_menu("编辑(&E)", kEditMenu);
  add_menu("查看(&V)", kViewMenu);
  // Redo is Ctrl+Y as well as the platform's key.
  action(Redo)->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
  action(DeleteBeams)->setShortcut(Qt::CTRL | Qt::Key_Delete);
  action(AttentionOnly)->setCheckable(true);
}

void ProjectWindow::connect_actions() {
  QUndoStack& undo = model_.undo_stack();
  const auto on = [this](ProjectCommand command, auto slot) {
    connect(action(command), &QAction::triggered, this, slot);
  };
  on(NewProject, [this] { new_project(); });
  on(OpenProject, [this] { pick_and_open(); });
  on(SaveProject, [this] { save(); });
  on(SaveProjectAs, [this] { save_as(); });
  on(EditReportInfo, [this] { edit_report_info(); });
  on(SaveReport, [this] { report_.save(); });
  on(PrintReport, [this] { report_.print(); });
  on(ExportResults, [this] { export_results(); });
  on(Close, [this] { close(); });
  on(Undo, [&undo] { undo.undo(); });
  on(Redo, [&undo] { undo.redo(); });
  on(Copy, [this] { copy_selection(); });
  on(Paste, [this] { paste_clipboard(); });
  on(AddBeam, [this] { model_.add_beam(); });
  on(DuplicateBeams, [this] {
    const std::vector<int> rows = selected_rows();
    if (!rows.empty()) model_.duplicate_rows(rows.front(), rows.back() - rows.front() + 1);
  });
  on(DeleteBeams, [this] { delete_selected(); });
  on(MoveUp, [this] { move_current(-1); });
  on(MoveDown, [this] { move_current(+1); });
  connect(action(AttentionOnly), &QAction::toggled, this,
          [this](bool only) { filter_.set_attention_only(only); });
  connect(&undo, &QUndoStack::cleanChanged, this, [this] { setWindowModified(is_modified()); });
  connect(&undo, &QUndoStack::canUndoChanged, action(Undo), &QAction::setEnabled);
  connect(&undo, &QUndoStack::canRedoChanged, action(Redo), &QAction::setEnabled);
  action(Undo)->setEnabled(false);
  action(Redo)->setEnabled(false);
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { show_row_in_form(); });
  connect(&model_, &QAbstractItemModel::dataChanged, this, &ProjectWindow::follow_in_form);
  // What the engineer does in the form is the shown row's: after each command's own handler.
  for (const std::string_view button : {role::calculate_button, role::hoop_button}) {
    connect(form_.control<QAbstractButton>(button), &QAbstractButton::clicked, this,
            [this] { take_row_from_form(); });
  }
  connect(form_.control<QLineEdit>(role::selected_width), &QLineEdit::editingFinished, this,
          [this] { take_row_from_form(); });
}

std::vector<int> ProjectWindow::selected_rows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
    rows.push_back(filter_.mapToSource(index).row());
  }
  if (rows.empty() && grid_->currentIndex().isValid()) {
    rows.push_back(filter_.mapToSource(grid_->currentIndex()).row());
  }
  std::ranges::sort(rows);
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void ProjectWindow::copy_selection() {
  std::vector<int> columns;
  for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
    columns.push_back(index.column());
  }
  std::ranges::sort(columns);
  columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
  const std::vector<int> rows = selected_rows();
  if (rows.empty() || columns.empty()) return;
  QApplication::clipboard()->setText(qt_text(model_.copy(rows, columns)));
}

void ProjectWindow::paste_clipboard() {
  const QModelIndex current = filter_.mapToSource(grid_->currentIndex());
  const int row = current.isValid() ? current.row() : model_.rowCount();
  const int column = current.isValid() ? current.column() : 0;
  const QString refused =
      model_.paste(row, column, QApplication::clipboard()->text().toStdString());
  if (!refused.isEmpty()) statusBar()->showMessage(QStringLiteral("未粘贴：") + refused);
}

void ProjectWindow::delete_selected() {
  const std::vector<int> rows = selected_rows();
  if (rows.empty()) return;
  // One step for the whole selection; from the last row up, so the places stay right.
  model_.undo_stack().beginMacro(QStringLiteral("删除构件"));
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) model_.remove_rows(*row, 1);
  model_.undo_stack().endMacro();
}

void ProjectWindow::move_current(int by) {
  const QModelIndex current = filter_.mapToSource(grid_->currentIndex());
  if (!current.isValid()) return;
  const int to = current.row() + by;
  if (to < 0 || to >= model_.rowCount()) return;
  model_.move_row(current.row(), to);
  grid_->setCurrentIndex(filter_.mapFromSource(model_.index(to, current.column())));
}

void ProjectWindow::edit_report_info() {
  ReportInfo current = model_.report_info();
  ask_report_info(*this, current, [this](ReportInfo accepted) {
    accepted.member.clear();  // each beam's member is its own name
    model_.set_report_info(accepted);
  });
}

void ProjectWindow::show_row_in_form() {
  const QModelIndex current = filter_.mapToSource(grid_->currentIndex());
  if (!current.isValid() || (form_row_.isValid() && form_row_.row() == current.row())) return;
  if (!files_.show_beam(model_.beam(current.row()))) return;
  form_row_ = QPersistentModelIndex(model_.index(current.row(), 0));
}

void ProjectWindow::take_row_from_form() {
  if (!form_row_.isValid()) return;
  BeamRow beam = row_of(files_.shown_beam());
  beam.name = model_.row(form_row_.row()).name;
  taking_from_form_ = true;
  model_.replace_row(form_row_.row(), beam);
  taking_from_form_ = false;
}

void ProjectWindow::follow_in_form(const QModelIndex& top, const QModelIndex& bottom) {
  if (taking_from_form_ || !form_row_.isValid()) return;
  const int row = form_row_.row();
  // An edit of the grid, a paste or an undo: the form shows the row as it
  // now is, so that its next 计算 does not put the old inputs back.
  if (top.row() <= row && row <= bottom.row()) files_.show_beam(model_.beam(row), false);
}

bool ProjectWindow::new_project() {
  if (!may_discard_changes()) return false;
  model_.set_project({}, {});
  form_row_ = QPersistentModelIndex();
  set_file({}, QStringLiteral("未命名工程"));
  return true;
}

bool ProjectWindow::open(const QString& path) {
  if (!may_discard_changes()) return false;
  Project project;
  try {
    project = read_project(path);
  } catch (const FileError& error) {
    show_failure_box(*this, error.message());
    return false;
  }
  std::vector<Beam> beams;
  beams.reserve(project.beams.size());
  for (ProjectBeam& beam : project.beams) beams.push_back(std::move(beam.beam));
  model_.set_project(beams, project.report);
  form_row_ = QPersistentModelIndex();
  // A table is the start of a project; its file is not the project's.
  const QFileInfo file(path);
  set_file(is_project_file(path) ? path : QString(), file.completeBaseName());
  return true;
}

void ProjectWindow::update_count() {
  int attention = 0;
  for (int row = 0; row < model_.rowCount(); ++row) attention += model_.needs_attention(row);
  count_->setText(
      QStringLiteral("%1 个构件，%2 个不满足、注意或出错").arg(model_.rowCount()).arg(attention));
}

bool ProjectWindow::save_to(const QString& path) {
  Project project{model_.report_info(), {}};
  for (int row = 0; row < model_.rowCount(); ++row) {
    ProjectBeam beam{model_.beam(row), {}};
    beam.beam.report = {};
    const BeamOutcome& outcome = model_.outcome(row);
    for (std::size_t i = 0; i < outcome.results.size(); ++i) {
      beam.results.emplace(result_fields()[i].key, outcome.results[i]);
    }
    project.beams.push_back(std::move(beam));
  }
  try {
    write_project_file(path, project);
  } catch (const FileError& error) {
    show_failure_box(*this, error.message());
    return false;
  }
  model_.undo_stack().setClean();
  set_file(path, QFileInfo(path).completeBaseName());
  return true;
}

bool ProjectWindow::save() { return file_.isEmpty() ? save_as() : save_to(file_); }

bool ProjectWindow::save_as() {
  const QString start = file_.isEmpty() ? name_ + QStringLiteral(".pwproj") : file_;
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存工程"), start,
                                              QStringLiteral("工程文件 (*.pwproj)"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pwproj");
  return save_to(path);
}

void ProjectWindow::export_results() {
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出结果"),
                                              name_ + QStringLiteral("-结果.xlsx"),
                                              QStringLiteral("Excel 工作簿 (*.xlsx)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".xlsx");
  export_results_to(path);
}

bool ProjectWindow::export_results_to(const QString& path) {
  std::vector<ResultRow> rows;
  for (int row = 0; row < model_.rowCount(); ++row) {
    rows.push_back({model_.row(row).name, model_.outcome(row)});
  }
  try {
    write_results_workbook(path, rows, model_.report_info());
  } catch (const FileError& error) {
    show_failure_box(*this, error.message());
    return false;
  }
  statusBar()->showMessage(QStringLiteral("已导出 %1 个构件的结果").arg(rows.size()));
  return true;
}

void ProjectWindow::pick_and_open() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("打开工程"),
                                                    QFileInfo(file_).path(), kFilter);
  if (!path.isEmpty()) open(path);
}

bool ProjectWindow::may_discard_changes() {
  if (!is_modified()) return true;
  const SaveAnswer answer =
      ask_to_save(this, caption(), QStringLiteral("工程“%1”已修改，是否保存？").arg(name_));
  if (answer == SaveAnswer::Save) return save();
  return answer == SaveAnswer::Discard;
}

void ProjectWindow::closeEvent(QCloseEvent* event) {
  if (may_discard_changes()) {
    event->accept();
  } else {
    event->ignore();
  }
}

namespace {
QString dropped_file(const QMimeData* data) {
  if (data == nullptr) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}
}  // namespace

void ProjectWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!dropped_file(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void ProjectWindow::dropEvent(QDropEvent* event) {
  const QString path = dropped_file(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  open(path);
}

void ProjectWindow::set_file(const QString& path, const QString& name) {
  file_ = path;
  name_ = name;
  update_caption();
}

void ProjectWindow::update_caption() {
  setWindowTitle(name_ + QStringLiteral("[*] - 工程 - ") + caption());
  setWindowModified(is_modified());
}

}  // namespace platewise
