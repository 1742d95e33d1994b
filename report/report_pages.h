#pragma once
// The report on paper: A4 portrait with a wider margin for binding, the
// running header of its part at the top of every page ("计算未完成" beside it
// when a run stopped), "第 n 页 共 m 页" at the foot, each section kept whole
// on one page where it fits, the members' table row by row, never breaking
// a row, its heading row atop every page, the tables' thin rules drawn from
// where their cells were laid out. A book's title page, its members' table
// and every chapter start on new pages; each part is laid out and paginated on
// its own, a few at a time, so that a book's time grows with its beams and
// the memory its pages take does not.
// Paints on any paged device: a PDF writer or a printer.

#include <QPageLayout>
#include <cstddef>
#include <functional>

#include "report_book.h"

class QPagedPaintDevice;

namespace platewise {

// A4 portrait; left margin 25 mm for binding, the others 15 mm.
QPageLayout report_page_layout();

// How far painting has come: the parts of the book (title page, 目录,
// members' table, chapters) painted, of all; false stops it.
using PaintProgress = std::function<bool(std::size_t painted, std::size_t parts)>;

// Paints the book on `device` in its page layout (set it before) and gives
// the number of pages; 0 when the device cannot be painted on or `progress`
// stopped it.
int paint_report(const ReportBook& book, QPagedPaintDevice& device,
                 const PaintProgress& progress = {});
// The report of one beam.
int paint_report(const ReportModel& report, QPagedPaintDevice& device);

}  // namespace platewise
