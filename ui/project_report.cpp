#include "project_report.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QProgressDialog>
#include <QStandardPaths>

#include "beam_reports.h"
#include "failure_box.h"
#include "file_error.h"
#include "output_target.h"
#include "project_model.h"
#include "qt_text.h"
#include "report_file.h"
#include "report_file_filters.h"
#include "report_pages.h"
#include "report_printer.h"

namespace platewise {
namespace {

// "某办公楼加固-计算书", or "工程计算书" for a project without a name.
QString book_name(const ReportBook& book) {
  return book.project.empty() ? QStringLiteral("工程计算书")
                              : qt_text(book.project) + QStringLiteral("-计算书");
}

}  // namespace

ProjectReport::ProjectReport(QWidget& window, const ProjectModel& model)
    : window_(window), model_(model) {}

ProjectReport::~ProjectReport() = default;

std::optional<ReportBook> ProjectReport::book() const {
  const int count = model_.rowCount();
  QProgressDialog progress(QStringLiteral("正在生成计算书…"), QStringLiteral("取消"), 0, count,
                           &window_);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  ReportBook book;
  book.project = model_.report_info().project;
  for (int row = 0; row < count; ++row) {
    progress.setValue(row);  // a window-modal dialog lets the window paint meanwhile
    if (progress.wasCanceled()) return std::nullopt;
    add_beam_report(book, model_.beam(row));
  }
  progress.setValue(count);
  return book;
}

QString ProjectReport::save_to(const QString& path, const ReportBook& book) const {
  const ReportFormat format = format_of_name(path).value_or(ReportFormat::Pdf);
  // The pages of a long book take seconds: laid out and written part by
  // part under a dialog of their own, which the engineer may cancel.
  QProgressDialog progress(QStringLiteral("正在排版计算书…"), QStringLiteral("取消"), 0, 1,
                           &window_);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  const PaintProgress follow = [&progress](std::size_t painted, std::size_t parts) {
    progress.setMaximum(static_cast<int>(parts));
    progress.setValue(static_cast<int>(painted));
    return !progress.wasCanceled();
  };
  try {
    // An older file of that name is kept unless the whole book is written.
    OutputTarget target(path, -1, OutputTarget::Waiting::Never);
    if (!write_report(book, format, target.device(), follow)) {
      return progress.wasCanceled() ? QString() : QStringLiteral("无法生成计算书“%1”").arg(path);
    }
    target.commit();
  } catch (const FileError& error) {
    return error.message();
  }
  return {};
}

void ProjectReport::save() {
  if (model_.rowCount() == 0) {
    show_failure_box(window_, QStringLiteral("工程中没有构件"));
    return;
  }
  if (folder_.isEmpty()) {
    folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  }
  QFileDialog dialog(&window_, QStringLiteral("保存工程计算书"), folder_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList filters;
  for (const ReportFileFilter& filter : kReportFileFilters)
    filters << QString::fromUtf8(filter.text);
  dialog.setNameFilters(filters);
  ReportBook named;
  named.project = model_.report_info().project;
  dialog.selectFile(book_name(named) + QStringLiteral(".pdf"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  ReportFormat chosen = ReportFormat::Pdf;
  for (const ReportFileFilter& filter : kReportFileFilters) {
    if (dialog.selectedNameFilter() == QString::fromUtf8(filter.text)) chosen = filter.format;
  }
  const QString path = name_for(dialog.selectedFiles().front(), chosen);
  const std::optional<ReportBook> whole = book();
  if (!whole) return;
  if (const QString failure = save_to(path, *whole); !failure.isEmpty()) {
    show_failure_box(window_, failure);
    return;
  }
  folder_ = QFileInfo(path).absolutePath();
}

void ProjectReport::print() {
  if (model_.rowCount() == 0) {
    show_failure_box(window_, QStringLiteral("工程中没有构件"));
    return;
  }
  std::optional<ReportBook> whole = book();
  if (!whole) return;
  if (!printer_) printer_ = std::make_unique<ReportPrinter>();
  auto shared = std::make_shared<ReportBook>(std::move(*whole));
  printer_->print(
      window_, report_page_layout(), book_name(*shared),
      [shared](QPagedPaintDevice& printer) { return paint_report(*shared, printer); },
      [this] { show_failure_box(window_, QStringLiteral("无法打印计算书：打印机未能开始打印")); });
}

}  // namespace platewise
