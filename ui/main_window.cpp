#include "main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <stdexcept>

#include "design_checks.h"
#include "design_fonts.h"
#include "drop_down_list.h"
#include "failure_box.h"
#include "form_fields.h"
#include "help_windows.h"
#include "qt_text.h"
#include "report_group.h"
#include "report_info_dialog.h"
#include "twips.h"

namespace platewise {

namespace {

// The controls whose clicks run a handler; they all report failures in a
// box. The commands own the status line: after each it shows the failure,
// or after Calculate which material rows stood in for unlisted names, then
// the sum of the design's checks. The commands' runs show in the report, as
// stopped runs do.
struct ClickWiring {
  std::string_view control;
  void (FormHandlers::*handler)();
  bool owns_status_line;
};

constexpr ClickWiring kClicks[] = {
    {role::calculate_button, &FormHandlers::calculate, true},
    {role::hoop_button, &FormHandlers::size_hoop_plates, true},
    {role::redistribution_on, &FormHandlers::redistribution_toggled, false},
    {role::short_anchorage_on, &FormHandlers::short_anchorage_toggled, false},
};

// The buttons that give a command of the menu: a click triggers its action.
struct CommandButton {
  std::string_view control;
  WindowCommand command;
};

constexpr CommandButton kCommandButtons[] = {
    {role::save_report_button, WindowCommand::SaveReport},
    {role::print_report_button, WindowCommand::PrintReport},
};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  const window_design::Window& design = window_design::window();
  setObjectName(qt_text(design.name));
  setWindowTitle(qt_text(design.caption));
  setFont(design_font(window_design::Font::Window));

  // The design stands on a surface of its own, so that every control keeps
  // its place in the design whatever is above it: the menu bar.
  const int width = to_pixels(design.client_width);
  const int design_height = to_pixels(design.client_height);
  menu_ = new WindowMenu(*this);
  const int menu_height = menu_->sizeHint().height();
  menu_->setGeometry(0, 0, width, menu_height);
  auto* surface = new QWidget(this);
  surface->setObjectName(QStringLiteral("design"));
  surface->setGeometry(0, menu_height, width, design_height);
  controls_ = build_controls(*surface);

  // The status line sits under the design's client area.
  status_line_ = new QLabel(this);
  status_line_->setObjectName(QStringLiteral("status_line"));
  status_line_->setFont(design_font(window_design::Font::Normal));
  status_line_->setTextFormat(Qt::PlainText);
  status_line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_line_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  const int status_height = status_line_->sizeHint().height();
  status_line_->setGeometry(0, menu_height + design_height, width, status_height);
  setFixedSize(width, menu_height + design_height + status_height);

  // "先重新计算" clicks "计算"; saving and printing first confirm the report's information.
  report_group_ = new ReportGroup(
      *this, controls_, handlers_, *this, report_info_,
      [this] {
        control<QAbstractButton>(role::calculate_button)->click();
        return handlers_.trace().calculate.finished;
      },
      [this](std::function<void()> then) { edit_report_info(std::move(then)); });
  wire_handlers();
  wire_commands();
  control(role::calculate_button)->setFocus();
}

void MainWindow::close_file(const QString& file_name) { Q_UNUSED(file_name); }

void MainWindow::wire_handlers() {
  for (const ClickWiring& wiring : kClicks) {
    connect(control<QAbstractButton>(wiring.control), &QAbstractButton::clicked, this,
            [this, wiring] {
              const std::optional<std::string> failure = run(wiring.handler, Report::Dialog);
              if (!wiring.owns_status_line) return;
              const bool calculated = !failure && wiring.handler == &FormHandlers::calculate;
              show_status(failure ? *failure : calculated ? unlisted_items(*this) : "");
              report_group_->refresh();
            });
  }
  // Each edit of the selected bottom-plate width re-runs the crack check.
  // textEdited comes from the engineer only (typing, deleting, pasting,
  // undoing), never from set_text: the engine runs selected_width_edited itself
  // after its own writes.
  connect(control<QLineEdit>(role::selected_width), &QLineEdit::textEdited, this, [this] {
    show_status(run(&FormHandlers::selected_width_edited, Report::StatusLine).value_or(""));
    report_group_->refresh();
  });
}

void MainWindow::wire_commands() {
  for (const CommandButton& button : kCommandButtons) {
    connect(control<QAbstractButton>(button.control), &QAbstractButton::clicked,
            action(button.command), &QAction::trigger);
  }
  using enum WindowCommand;
  connect(action(EditReportInfo), &QAction::triggered, this, [this] { edit_report_info(); });
  connect(action(SaveReport), &QAction::triggered, report_group_, &ReportGroup::save_report);
  connect(action(PrintReport), &QAction::triggered, report_group_, &ReportGroup::print_report);
  connect(action(PreviewReport), &QAction::triggered, report_group_, &ReportGroup::preview_report);
  connect(action(Quit), &QAction::triggered, this, &QWidget::close);
  connect(action(ShowHelp), &QAction::triggered, this, [this] { show_help(*this); });
  connect(action(ShowAbout), &QAction::triggered, this, [this] { show_about(*this); });
}

void MainWindow::show_status(const std::string& first) {
  std::string text = first;
  const std::string checks = checks_summary(design_checks(handlers_.trace(), report_info_));
  if (!checks.empty()) text += (text.empty() ? "" : "；") + checks + "，详见计算书";
  status_line_->setText(qt_text(text));
}

void MainWindow::reset() {
  // The last run is forgotten first: the report panel follows edits made
  // after a run, and would otherwise lay its report out again for every
  // control set back here; nor is it the report of the texts set here.
  handlers_.forget();
  state_ = BeamState{};
  for (const window_design::Control& c : window_design::controls()) {
    QWidget* widget = controls_.find(c.name)->second;
    if (auto* list = qobject_cast<DropDownList*>(widget)) {
      list->reset();
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
      field->setText(qt_text(c.text));
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      box->setChecked(false);
    }
    if (c.hidden_at_start) widget->hide();
  }
  state_ = BeamState{};
  status_line_->clear();
}

void MainWindow::type(std::string_view control_name, const std::string& text) {
  const QString typed = QString::fromStdString(text);
  if (auto* list = qobject_cast<DropDownList*>(control<QWidget>(control_name))) {
    list->type(typed);
  } else {
    control<QLineEdit>(control_name)->setText(typed);
  }
}

void MainWindow::tick(std::string_view control_name, bool ticked) {
  control<QCheckBox>(control_name)->setChecked(ticked);
}

void MainWindow::run_handler(Handler handler) { (handlers_.*handler)(); }

void MainWindow::refresh_report() { report_group_->refresh(); }

void MainWindow::set_report_info(const ReportInfo& info, bool refresh_panel) {
  const bool changed = info != report_info_;
  report_info_ = info;
  if (refresh_panel) report_group_->refresh();
  if (changed) emit report_info_changed();
}

void MainWindow::edit_report_info(std::function<void()> then) {
  ask_report_info(*this, report_info_, [this, then](const ReportInfo& accepted) {
    set_report_info(accepted);
    if (then) then();
  });
}

std::optional<std::string> MainWindow::run(Handler handler, Report report) {
  const std::optional<std::string> failure = failure_of([&] { run_handler(handler); });
  if (failure && report == Report::Dialog) {
    show_failure_box(*this, QString::fromStdString(*failure));
  }
  return failure;
}

template <class W>
W* MainWindow::control(std::string_view role) const {
  W* widget = qobject_cast<W*>(control_for(controls_, role));
  if (widget == nullptr) {
    throw std::invalid_argument("no control of that kind for " + std::string(role));
  }
  return widget;
}

template QWidget* MainWindow::control<QWidget>(std::string_view) const;
template QLineEdit* MainWindow::control<QLineEdit>(std::string_view) const;
template QComboBox* MainWindow::control<QComboBox>(std::string_view) const;
template QAbstractButton* MainWindow::control<QAbstractButton>(std::string_view) const;

std::string MainWindow::text(std::string_view control_name) const {
  if (auto* list = qobject_cast<QComboBox*>(control<QWidget>(control_name))) {
    return list->currentText().toStdString();
  }
  return control<QLineEdit>(control_name)->text().toStdString();
}

void MainWindow::set_text(std::string_view control_name, const std::string& text) {
  control<QLineEdit>(control_name)->setText(QString::fromStdString(text));
}

int MainWindow::check_value(std::string_view control_name) const {
  return control<QCheckBox>(control_name)->isChecked() ? 1 : 0;
}

int MainWindow::list_index(std::string_view control_name) const {
  return control<DropDownList>(control_name)->picked_index();
}

void MainWindow::set_visible(std::string_view control_name, bool visible) {
  control<QWidget>(control_name)->setVisible(visible);
}

}  // namespace platewise
