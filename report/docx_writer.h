#pragma once
// The report as a Word document (.docx): the heading styles 标题 1 and 2
// (Word's "heading 1/2") and the body in a Song face with a Latin serif, A4
// with a binding margin, each part of the book a section of its own with a
// running header naming its beam, and "第 n 页 共 m 页" as page fields in
// the footer. Word, WPS and LibreOffice open it.

#include <QByteArray>
#include <optional>
#include <span>

#include "report_book.h"
#include "report_outline.h"

namespace platewise {

// The .docx file of `book`.
// Empty when the package could not be made.
QByteArray docx_bytes(const ReportBook& book);

}  // namespace platewise
