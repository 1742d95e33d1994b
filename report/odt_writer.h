#pragma once
// The report as an OpenDocument text (.odt): paragraph styles "Heading 1/2"
// bold in the Song face (the Asian font properties set, so that Chinese
// headings show bold and large), A4 with a binding margin, one master page
// per part of the book carrying its running header, and "第 n 页 共 m 页"
// from page-number and page-count fields in the footer.

#include <QByteArray>
#include <optional>
#include <span>

#include "report_book.h"
#include "report_outline.h"

namespace platewise {

// The .odt file of `book`.
// Empty when the package could not be made.
QByteArray odt_bytes(const ReportBook& book);

}  // namespace platewise
