#include "report_group.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include "failure_box.h"
#include "file_error.h"
#include "file_io.h"
#include "form_design.h"
#include "qt_text.h"
#include "report_document.h"
#include "report_file.h"
#include "report_file_filters.h"
#include "report_pages.h"
#include "report_printer.h"
#include "report_view.h"

namespace platewise {
namespace {

QString window_caption() { return qt_text(window_design::window().caption); }

// "计算书-20261207-101508": the report's name from the time of its calculation.
QString report_name(const DesignTrace& record) {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(record.calculate.started.time_since_epoch());
  return QStringLiteral("计算书-") +
         QDateTime::fromSecsSinceEpoch(seconds.count()).toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

QString labels_of(const std::vector<const InputField*>& fields) {
  QStringList labels;
  for (const InputField* field : fields) labels << qt_text(field->label);
  return labels.join(QStringLiteral("、"));
}

}  // namespace

ReportGroup::ReportGroup(QWidget& window, const ControlMap& controls, const FormHandlers& handlers,
                         const FormAccess& form, const ReportInfo& info,
                         std::function<bool()> calculate,
                         std::function<void(std::function<void()>)> confirm_info)
    : QObject(&window),
      window_(window),
      view_(qobject_cast<ReportView*>(control_for(controls, role::report_view))),
      handlers_(handlers),
      form_(form),
      info_(info),
      calculate_(std::move(calculate)),
      confirm_info_(std::move(confirm_info)) {
  connect(view_, &ReportView::preview_requested, this, &ReportGroup::preview);

  // A change of any input the report shows may leave it behind the window.
  std::vector<std::string_view> watched;
  for (const InputField* field : calculate_inputs()) watched.push_back(field->key);
  watched.push_back(role::actual_anchorage);
  for (std::string_view name : watched) {
    QWidget* widget = control_for(controls, name);
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
      connect(field, &QLineEdit::textChanged, this, &ReportGroup::inputs_changed);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
      connect(list, &QComboBox::currentTextChanged, this, &ReportGroup::inputs_changed);
    } else if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
      connect(box, &QAbstractButton::toggled, this, &ReportGroup::inputs_changed);
    }
  }
}

ReportGroup::~ReportGroup() = default;

std::optional<ReportModel> ReportGroup::current_report() const {
  return report_model(handlers_.trace(), form_, info_);
}

void ReportGroup::refresh() {
  const std::optional<ReportModel> report = current_report();
  shown_changes_ = changed_inputs(handlers_.trace(), form_);
  if (report) view_->show_document(chapter_document(*report, ReportLook::Panel));
}

void ReportGroup::inputs_changed() {
  if (!handlers_.trace().calculated) return;
  if (changed_inputs(handlers_.trace(), form_) != shown_changes_) refresh();
}

void ReportGroup::tell(const QString& message) {
  auto* box = new QMessageBox(QMessageBox::Information, window_caption(), message, QMessageBox::Ok,
                              &window_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void ReportGroup::request(Use use) {
  if (!handlers_.trace().calculated) {
    tell(QStringLiteral("请先点击“计算”"));
    return;
  }
  const std::vector<const InputField*> changed = changed_inputs(handlers_.trace(), form_);
  if (changed.empty()) {
    go_on(use);
    return;
  }
  const QString what = use == Use::Save ? QStringLiteral("保存") : QStringLiteral("打印");
  auto* box = new QMessageBox(
      QMessageBox::Question, window_caption(),
      QStringLiteral("计算后以下输入已修改：%1。\n%2修改前输入的计算书，还是先重新计算？")
          .arg(labels_of(changed), what),
      QMessageBox::NoButton, &window_);
  QPushButton* earlier = box->addButton(QString::fromUtf8(kUseEarlier), QMessageBox::AcceptRole);
  QPushButton* again = box->addButton(QString::fromUtf8(kCalculateFirst), QMessageBox::ActionRole);
  box->addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
  box->setAttribute(Qt::WA_DeleteOnClose);
  connect(box, &QMessageBox::finished, this, [this, box, earlier, again, use] {
    if (box->clickedButton() == earlier || (box->clickedButton() == again && calculate_())) {
      go_on(use);
    }
  });
  box->open();
}

void ReportGroup::go_on(Use use) {
  confirm_info_([this, use] {
    if (use == Use::Save) {
      save();
    } else {
      print();
    }
  });
}

void ReportGroup::save() {
  if (folder_.isEmpty()) {
    folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  }
  auto* dialog = new QFileDialog(&window_, QStringLiteral("保存计算书"), folder_);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  QStringList filters;
  for (const ReportFileFilter& filter : kReportFileFilters)
    filters << QString::fromUtf8(filter.text);
  dialog->setNameFilters(filters);
  dialog->selectFile(report_name(handlers_.trace()) + ".pdf");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this, [this, dialog](const QString& file) {
    ReportFormat chosen = ReportFormat::Pdf;
    for (const ReportFileFilter& filter : kReportFileFilters) {
      if (dialog->selectedNameFilter() == QString::fromUtf8(filter.text)) chosen = filter.format;
    }
    const QString path = name_for(file, chosen);
    const QByteArray bytes = report_bytes(*current_report(), *format_of_name(path));
    if (bytes.isEmpty()) {
      show_failure_box(window_, QStringLiteral("无法生成计算书“%1”").arg(path));
      return;
    }
    try {
      write_atomically(path, bytes);  // an older file of that name kept when it fails
      folder_ = QFileInfo(path).absolutePath();
    } catch (const FileError& error) {
      show_failure_box(window_, error.message());
    }
  });
  dialog->open();
}

ReportPrinter& ReportGroup::printer() {
  if (!printer_) printer_ = std::make_unique<ReportPrinter>();
  return *printer_;
}

void ReportGroup::print() {
  const ReportModel report = *current_report();
  printer().print(
      window_, report_page_layout(), report_name(handlers_.trace()),
      [report](QPagedPaintDevice& printer) { return paint_report(report, printer); },
      [this] { show_failure_box(window_, QStringLiteral("无法打印计算书：打印机未能开始打印")); });
}

void ReportGroup::preview_report() {
  if (!handlers_.trace().calculated) {
    tell(QStringLiteral("请先点击“计算”"));
    return;
  }
  preview();
}

void ReportGroup::preview() {
  if (!handlers_.trace().calculated) return;
  const ReportModel report = *current_report();
  printer().preview(window_, report_page_layout(), report_name(handlers_.trace()),
                    [report](QPagedPaintDevice& printer) { return paint_report(report, printer); });
}

}  // namespace platewise
