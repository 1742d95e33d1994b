#pragma once
// The report as HTML and as a QTextDocument: one page of headings, tables
// and formula lines, in a Song typeface.

#include <QString>
#include <memory>

#include "report_model.h"

class QTextDocument;

namespace platewise {

// Paper: A4 pages, files; Panel: the window's small report panel.
enum class ReportLook { Paper, Panel };

// A whole HTML page (UTF-8), as saved and as shown.
QString report_html(const ReportModel& report, ReportLook look = ReportLook::Paper);

// The report as a document; each section starts with a level-2 heading.
std::unique_ptr<QTextDocument> report_document(const ReportModel& report);

}  // namespace platewise
