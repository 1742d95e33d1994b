#pragma once
// The report as an HTML page (UTF-8) for a browser and its printer: in
// Chinese (lang="zh-CN"), titled with the beam or the project, the same
// parts as on paper, subscripts and superscripts as <sub> and <sup>, the
// verdicts' words in their colours, and print styles: A4 with a binding
// margin, page numbers where the browser sets them, each part of a book
// from a new page. The page is well-formed XML too (void elements closed,
// "<br/>"), so that tools can read it back as they read the other formats.

#include <QString>

#include "report_book.h"

namespace platewise {

QString report_html(const ReportBook& book);

}  // namespace platewise
