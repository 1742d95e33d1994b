#pragma once
// Reports saved by the tests, and the output of the tools that read them
// back, such as poppler's: a PDF's pages as text.

#include <QString>
#include <QStringList>

#include "report_file.h"

namespace platewise::testing {

// Writes the report's bytes in `format` to `path`; a test fails when it cannot.
void save_report(const ReportBook& book, const QString& path, ReportFormat format);

// Standard output of a program; a test fails when it cannot run, does not
// end within minutes or exits with a status other than 0.
QString output_of(const QString& program, const QStringList& arguments);

// The text of every page, in order (pdftotext, reading order).
QStringList pdf_pages(const QString& path);

}  // namespace platewise::testing
