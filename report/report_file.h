#pragma once
// The report as the bytes of a PDF, ODT, HTML or Word (.docx) file, and the
// format a file's name asks for. Writing them, whole or not at all, is the
// caller's (OutputTarget). Needs a QGuiApplication, no widgets.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <optional>

#include "report_book.h"
#include "report_pages.h"

namespace platewise {

enum class ReportFormat { Pdf, Odt, Html, Docx };

// The format a file name's extension names (".pdf", ".odt", ".html", ".htm", ".docx", any case).
std::optional<ReportFormat> format_of_name(const QString& path);
// The name with the format's extension added unless its own names one of
// ours; the format the name then names. `chosen` counts only without one.
QString name_for(const QString& path, ReportFormat chosen);
QString extension_of(ReportFormat format);  // "pdf"

// Writes the whole file of the book in `format` into `out`, a PDF page by
// page as it is painted, so that a long book is never held whole in
// memory; `progress` follows the PDF's painting and may stop it. Gives
// false when the file could not be made or was stopped: what was written
// is then not a report (write into a QSaveFile, and do not commit it).
// The PDF's title metadata is the book's title (document_title).
bool write_report(const ReportBook& book, ReportFormat format, QIODevice& out,
                  const PaintProgress& progress = {});

// The whole file of the book in `format`; empty when it could not be made.
QByteArray report_bytes(const ReportBook& book, ReportFormat format);

// The same for the report of one beam.
QByteArray report_bytes(const ReportModel& report, ReportFormat format);

}  // namespace platewise
