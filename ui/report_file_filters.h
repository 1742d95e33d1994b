#pragma once
// The report's file formats as the save dialogs offer them, in the order offered.

#include "report_file.h"

namespace platewise {

struct ReportFileFilter {
  ReportFormat format;
  const char* text;
};
inline constexpr ReportFileFilter kReportFileFilters[] = {
    {ReportFormat::Pdf, "PDF 文件 (*.pdf)"},
    {ReportFormat::Odt, "ODT 文档 (*.odt)"},
    {ReportFormat::Html, "HTML 网页 (*.html *.htm)"},
    {ReportFormat::Docx, "Word 文档 (*.docx)"},
};

}  // namespace platewise
