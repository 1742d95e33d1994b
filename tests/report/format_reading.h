#pragma once
// Reading the HTML page and the PDF back for the tests, the HTML as the
// same lines editable_reading.h gives for .docx and .odt ("Heading1 …",
// "| cell | cell |", "CalcLine … {red:不满足}", "=== running header"), so
// that every format of one book can be set side by side.

#include <QString>
#include <string>
#include <vector>

namespace platewise::testing {

// The page's lines: its title, each part's running header ("=== …", the
// page's title for the parts before the chapters), then its blocks.
std::vector<std::string> html_lines(const QString& html);

// The coloured texts of a PDF as poppler reads them, "#c00000 不满足", in order.
std::vector<std::string> pdf_coloured_texts(const QString& path);

}  // namespace platewise::testing
