#include "form_sb.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <stdexcept>

#include "drop_down_list.h"
#include "failure_box.h"
#include "form_fields.h"
#include "qt_text.h"
#include "report_group.h"
#include "twips.h"

namespace platewise {

namespace {

// The controls whose clicks run a handler; they all report failures in a
// box. The commands own the status line: it is cleared as they start, and
// Calculate puts there which material rows stood in for unlisted names.
// The commands' runs show in the report, as stopped runs do.
struct ClickWiring {
  std::string_view control;
  void (FormHandlers::*handler)();
  bool owns_status_line;
};

constexpr ClickWiring kClicks[] = {
    {"Command1", &FormHandlers::Command1_Click, true},
    {"Command2", &FormHandlers::Command2_Click, true},
    {"Check1", &FormHandlers::Check1_Click, false},
    {"Check2", &FormHandlers::Check2_Click, false},
};

}  // namespace

Form_sb::Form_sb(QWidget* parent) : QWidget(parent) {
  const design::Window& design = design::window();
  setObjectName(qt_text(design.name));
  setWindowTitle(qt_text(design.caption));
  setFont(design_font(design::Font::Window));

  controls_ = build_controls(*this);

  // The status line sits under the design's client area.
  const int width = to_pixels(design.client_width);
  const int design_height = to_pixels(design.client_height);
  status_line_ = new QLabel(this);
  status_line_->setObjectName(QStringLiteral("status_line"));
  status_line_->setFont(design_font(design::Font::Normal));
  status_line_->setTextFormat(Qt::PlainText);
  status_line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_line_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  const int status_height = status_line_->sizeHint().height();
  status_line_->setGeometry(0, design_height, width, status_height);
  setFixedSize(width, design_height + status_height);

  // The report group works its own buttons; "先重新计算" clicks "计算".
  report_group_ = new ReportGroup(*this, controls_, handlers_, *this, [this] {
    control<QAbstractButton>("Command1")->click();
    return handlers_.record().calculate.finished;
  });
  wire_handlers();
  control<QWidget>("Command1")->setFocus();
}

void Form_sb::CloseFile(const QString& FileName) { Q_UNUSED(FileName); }

void Form_sb::wire_handlers() {
  for (const ClickWiring& wiring : kClicks) {
    connect(control<QAbstractButton>(wiring.control), &QAbstractButton::clicked, this,
            [this, wiring] {
              if (wiring.owns_status_line) status_line_->clear();
              if (run(wiring.handler, Report::Dialog) &&
                  wiring.handler == &FormHandlers::Command1_Click) {
                status_line_->setText(qt_text(unlisted_materials(*this)));
              }
              if (wiring.owns_status_line) report_group_->refresh();
            });
  }
  // Each edit of the selected bottom-plate width re-runs the crack check.
  // textEdited comes from the engineer only (typing, deleting, pasting,
  // undoing), never from set_text: the engine runs Text9_Change itself
  // after its own writes.
  connect(control<QLineEdit>(ctl::bottom_width), &QLineEdit::textEdited, this, [this] {
    status_line_->clear();
    run(&FormHandlers::Text9_Change, Report::StatusLine);
    report_group_->refresh();
  });
}

void Form_sb::reset() {
  for (const design::Control& c : design::controls()) {
    QWidget* widget = control<QWidget>(c.name);
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

void Form_sb::type(std::string_view control_name, const std::string& text) {
  const QString typed = QString::fromStdString(text);
  if (auto* list = qobject_cast<DropDownList*>(control<QWidget>(control_name))) {
    list->type(typed);
  } else {
    control<QLineEdit>(control_name)->setText(typed);
  }
}

void Form_sb::tick(std::string_view control_name, bool ticked) {
  control<QCheckBox>(control_name)->setChecked(ticked);
}

void Form_sb::run_handler(Handler handler) { (handlers_.*handler)(); }

void Form_sb::refresh_report() { report_group_->refresh(); }

bool Form_sb::run(Handler handler, Report report) {
  const std::optional<std::string> failure = failure_of([&] { run_handler(handler); });
  if (!failure) return true;
  if (report == Report::Dialog) {
    show_failure_box(*this, QString::fromStdString(*failure));
  } else {
    status_line_->setText(QString::fromStdString(*failure));
  }
  return false;
}

template <class W>
W* Form_sb::control(std::string_view name) const {
  const auto found = controls_.find(name);
  W* widget = found == controls_.end() ? nullptr : qobject_cast<W*>(found->second);
  if (widget == nullptr) {
    throw std::invalid_argument("Form_sb has no control " + std::string(name) + " of that kind");
  }
  return widget;
}

std::string Form_sb::text(std::string_view control_name) const {
  if (auto* list = qobject_cast<QComboBox*>(control<QWidget>(control_name))) {
    return list->currentText().toStdString();
  }
  return control<QLineEdit>(control_name)->text().toStdString();
}

void Form_sb::set_text(std::string_view control_name, const std::string& text) {
  control<QLineEdit>(control_name)->setText(QString::fromStdString(text));
}

int Form_sb::check_value(std::string_view control_name) const {
  return control<QCheckBox>(control_name)->isChecked() ? 1 : 0;
}

int Form_sb::list_index(std::string_view control_name) const {
  return control<DropDownList>(control_name)->picked_index();
}

void Form_sb::set_visible(std::string_view control_name, bool visible) {
  control<QWidget>(control_name)->setVisible(visible);
}

}  // namespace platewise
