#pragma once
// Saving the report as PDF, ODT, HTML or Word (.docx), atomically: the file appears whole
// or not at all, and a failed save keeps an older file of that name. Needs
// a QGuiApplication, no widgets.

#include <QByteArray>
#include <QString>
#include <optional>
#include <stdexcept>

#include "report_model.h"

namespace platewise {

enum class ReportFormat { Pdf, Odt, Html, Docx };

// The format a file name's extension names (".pdf", ".odt", ".html", ".htm", ".docx", any case).
std::optional<ReportFormat> format_of_name(const QString& path);
// The name with the format's extension added unless its own names one of
// ours; the format the name then names. `chosen` counts only without one.
QString name_for(const QString& path, ReportFormat chosen);
QString extension_of(ReportFormat format);  // "pdf"

// A save that failed: what failed, on which file, and why, for the engineer.
class ReportFileError : public std::runtime_error {
 public:
  enum class Kind { Open, Write, Commit };
  ReportFileError(Kind kind, const QString& path, const QString& reason);
  Kind kind() const { return kind_; }
  const QString& path() const { return path_; }
  // "无法保存计算书“/x/计算书.pdf”：没有写入权限"
  QString message() const;

 private:
  Kind kind_;
  QString path_;
  QString reason_;
};

// The whole file of the report in `format`; empty when it could not be made.
QByteArray report_bytes(const ReportModel& report, ReportFormat format);
// Writes the report to `path` in `format`; throws ReportFileError.
void save_report(const ReportModel& report, const QString& path, ReportFormat format);

}  // namespace platewise
