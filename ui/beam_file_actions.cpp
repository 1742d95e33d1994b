#include "beam_file_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStringList>

#include "beam_file.h"
#include "compute_beam.h"
#include "failure_box.h"
#include "file_error.h"
#include "file_io.h"
#include "form_design.h"
#include "main_window.h"
#include "qt_text.h"
#include "remembered.h"
#include "save_question.h"

namespace platewise {
namespace {

const QString kFilter = QStringLiteral("梁文件 (*.json)");

QString caption() { return qt_text(window_design::window().caption); }

// The local file a drag brings, or an empty text.
QString dragged_file(const QMimeData* data) {
  if (data == nullptr) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

// What the status line says after opening: the error that stopped the
// computation, the unlisted materials, the results that differ from the file.
QString status_after_open(const BeamOutcome& outcome, const BeamFile& file,
                          const FormAccess& form) {
  QStringList notes;
  if (outcome.error) notes << qt_text(describe(*outcome.error));
  if (const std::string unlisted = unlisted_items(form); !unlisted.empty()) {
    notes << qt_text(unlisted);
  }
  QStringList differing;
  for (std::size_t i = 0; i < outcome.results.size(); ++i) {
    const ResultField& field = result_fields()[i];
    const auto saved = file.results.find(std::string(field.key));
    if (saved != file.results.end() && saved->second != outcome.results[i]) {
      differing << qt_text(field.label);
    }
  }
  if (!differing.isEmpty())
    notes << QStringLiteral("结果与文件中保存的不同：") + differing.join("、");
  return notes.join(QStringLiteral("；"));
}

}  // namespace

BeamFileActions::BeamFileActions(MainWindow& window) : QObject(&window), window_(window) {
  using enum WindowCommand;
  connect(window_.action(OpenFile), &QAction::triggered, this, [this] { pick_and_open(); });
  connect(window_.action(SaveFile), &QAction::triggered, this, [this] { save(); });
  connect(window_.action(SaveFileAs), &QAction::triggered, this, [this] { save_as(); });
  connect(window_.menu().recent_files(), &QMenu::aboutToShow, this,
          &BeamFileActions::list_recent_files);
  connect(&window_, &MainWindow::report_info_changed, this, [this] {
    set_modified(true);
    // A 构件编号 the engineer gave is the beam's own name from now on.
    if (window_.report_info().member != member_) name_ = member_ = window_.report_info().member;
  });

  window_.setAcceptDrops(true);
  window_.installEventFilter(this);
  for (QWidget* child : window_.findChildren<QWidget*>()) child->installEventFilter(this);
  watch_inputs();
}

void BeamFileActions::watch_inputs() {
  const auto changed = [this] { set_modified(true); };
  for (const InputField& field : input_fields()) {
    QWidget* widget = window_.control(field.key);
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
      connect(list->lineEdit(), &QLineEdit::textEdited, this, changed);
      connect(list, &QComboBox::activated, this, changed);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      connect(edit, &QLineEdit::textEdited, this, changed);
    } else if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
      connect(box, &QAbstractButton::clicked, this, changed);
    }
  }
  connect(window_.control<QLineEdit>(role::selected_width), &QLineEdit::textEdited, this,
          [this] { width_edited_ = true; });
  connect(window_.control<QAbstractButton>(role::calculate_button), &QAbstractButton::clicked, this,
          [this] { width_edited_ = false; });
}

// "&1 KL-3.json  (/home/…/梁)": the newest first, each with its folder.
void BeamFileActions::list_recent_files() {
  QMenu* menu = window_.menu().recent_files();
  menu->clear();
  const QStringList files = recent_files();
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QFileInfo file(files[i]);
    const QString shown =
        QStringLiteral("%1  (%2)").arg(file.fileName(), QDir::toNativeSeparators(file.path()));
    // "&&": an ampersand of the name, not the mark of a shortcut letter.
    QAction* entry = menu->addAction(QStringLiteral("&%1 ").arg(i + 1) +
                                     QString(shown).replace(u'&', QStringLiteral("&&")));
    entry->setToolTip(QDir::toNativeSeparators(files[i]));
    connect(entry, &QAction::triggered, this, [this, path = files[i]] { open_recent(path); });
  }
  if (files.isEmpty()) menu->addAction(QStringLiteral("（无）"))->setEnabled(false);
}

void BeamFileActions::open_recent(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    forget_recent_file(path);
    show_failure_box(window_, QStringLiteral("“%1”已不存在，已从最近打开的文件中去掉").arg(path));
    return;
  }
  open(path);
}

bool BeamFileActions::open(const QString& path) {
  if (!may_discard_changes()) return false;
  BeamFile file;
  try {
    file = parse_beam_file(read_whole_file(path), path);
  } catch (const FileError& error) {
    show_failure_box(window_, error.message());
    return false;
  }
  show(file);
  set_file(path);
  set_modified(false);
  remember_recent_file(path);
  return true;
}

void BeamFileActions::show(const BeamFile& file) {
  show_report_info(file.beam.report, false);  // the panel shows it once computed
  const BeamOutcome outcome = compute_beam(window_, file.beam);
  window_.refresh_report();
  const auto* width = std::get_if<std::string>(file.beam.given("selected_width"));
  width_edited_ = width != nullptr && !width->empty();
  window_.show_status(status_after_open(outcome, file, window_).toStdString());
  name_ = file.named ? file.beam.name : std::string();
}

bool BeamFileActions::show_beam(const Beam& beam, bool ask_first) {
  if (ask_first && !may_discard_changes()) return false;
  show(BeamFile{beam, true, {}});
  set_file({});
  set_modified(false);
  return true;
}

bool BeamFileActions::open_any(const QString& path) {
  if (other_files_ && other_files_(path)) return true;
  return open(path);
}

Beam BeamFileActions::shown_beam(const QString& path) const {
  const FormAccess& form = window_;
  // The beam's own name, else that of the file it goes into; the report's information as shown.
  Beam beam{name_.empty() ? QFileInfo(path).completeBaseName().toStdString() : name_,
            {},
            window_.report_info()};
  const bool hoops_on = form.check_value(role::short_anchorage_on) == 1;
  for (const InputField& field : input_fields()) {
    // The selected width and the actual anchorage are inputs only once typed
    // after Calculate, and while the hoop plates are asked for.
    const bool given = (field.key != "selected_width" || width_edited_) &&
                       (field.key != "actual_anchorage" || hoops_on);
    InputValue value;  // empty text
    if (field.kind == FieldKind::Check) {
      value = form.check_value(field.key) == 1;
    } else if (given) {
      value = form.text(field.key);
    }
    beam.inputs.push_back({&field, std::move(value)});
  }
  return beam;
}

bool BeamFileActions::save_to(const QString& path) {
  const FormAccess& form = window_;
  std::vector<std::string> results;
  for (const ResultField& field : result_fields()) results.push_back(form.text(field.key));
  const Beam beam = shown_beam(path);
  try {
    write_atomically(path, beam_file_bytes(beam, results));
  } catch (const FileError& error) {
    show_failure_box(window_, error.message());
    return false;
  }
  // The report is now for the beam of that name.
  ReportInfo info = window_.report_info();
  info.member = beam.name;
  show_report_info(info);
  set_file(path);
  set_modified(false);
  remember_recent_file(path);
  return true;
}

bool BeamFileActions::save() { return file_.isEmpty() ? save_as() : save_to(file_); }

bool BeamFileActions::save_as() {
  QString path =
      QFileDialog::getSaveFileName(&window_, QStringLiteral("保存梁文件"), file_, kFilter);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
  return save_to(path);
}

void BeamFileActions::pick_and_open() {
  const QString path = QFileDialog::getOpenFileName(&window_, QStringLiteral("打开梁文件"),
                                                    QFileInfo(file_).path(), kFilter);
  if (!path.isEmpty()) open(path);
}

bool BeamFileActions::may_discard_changes() {
  if (!modified_) return true;  // only a file can be modified
  const SaveAnswer answer =
      ask_to_save(&window_, caption(),
                  QStringLiteral("“%1”已修改，是否保存？").arg(QFileInfo(file_).fileName()));
  if (answer == SaveAnswer::Save) return save();
  return answer == SaveAnswer::Discard;
}

bool BeamFileActions::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (dragged_file(drag->mimeData()).isEmpty()) break;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString path = dragged_file(drop->mimeData());
      if (path.isEmpty()) break;
      drop->acceptProposedAction();
      open_any(path);
      return true;
    }
    case QEvent::Close:
      if (watched != &window_ || !modified_) break;  // only a file can be modified
      // Asked after this close request is done with: a question asked inside
      // it would leave the window deaf to the next one.
      event->ignore();
      QMetaObject::invokeMethod(
          this,
          [this] {
            if (!may_discard_changes()) return;
            modified_ = false;
            window_.close();
          },
          Qt::QueuedConnection);
      return true;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void BeamFileActions::show_report_info(const ReportInfo& info, bool refresh_panel) {
  member_ = info.member;
  window_.set_report_info(info, refresh_panel);
}

void BeamFileActions::set_file(const QString& path) {
  file_ = path;
  window_.setWindowTitle(file_.isEmpty() ? caption()
                                         : QFileInfo(file_).fileName() + "[*] - " + caption());
}

void BeamFileActions::set_modified(bool modified) {
  modified_ = modified && !file_.isEmpty();
  if (!file_.isEmpty()) window_.setWindowModified(modified_);
}

}  // namespace platewise
