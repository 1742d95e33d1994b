#pragma once
// The report on paper: A4 portrait with a wider margin for binding, each
// section kept on one page where it fits, and "第 n 页 共 m 页" at the foot
// of every page. Paints on any paged device: a PDF writer or a printer.

#include <QPageLayout>

#include "report_model.h"

class QPagedPaintDevice;

namespace platewise {

// A4 portrait; left margin 25 mm for binding, the others 15 mm.
QPageLayout report_page_layout();

// Paints the report on `device` in its page layout (set it before) and
// gives the number of pages; 0 when the device cannot be painted on.
int paint_report(const ReportModel& report, QPagedPaintDevice& device);

}  // namespace platewise
