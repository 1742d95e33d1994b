#pragma once
// The report as the bytes of a PDF, ODT, HTML or Word (.docx) file, and the
// format a file's name asks for. Writing them, whole or not at all, is the
// caller's (OutputTarget). Needs a QGuiApplication, no widgets.

#include <QByteArray>
#include <QString>
#include <optional>

#include "report_book.h"

namespace platewise {

enum class ReportFormat { Pdf, Odt, Html, Docx };

// The format a file name's extension names (".pdf", ".odt", ".html", ".htm", ".docx", any case).
std::optional<ReportFormat> format_of_name(const QString& path);
// The name with the format's extension added unless its own names one of
// ours; the format the name then names. `chosen` counts only without one.
QString name_for(const QString& path, ReportFormat chosen);
QString extension_of(ReportFormat format);  // "pdf"

// The whole file of the book in `format`; empty when it could not be made.
// The PDF's title metadata is the book's title (document_title).
QByteArray report_bytes(const ReportBook& book, ReportFormat format);

// The same for the report of one beam.
QByteArray report_bytes(const ReportModel& report, ReportFormat format);

}  // namespace platewise
