#include "report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "report_document.h"

namespace platewise {
namespace {

// The document is laid out in units of 1/96 inch and scaled to the device.
constexpr double kLayoutDpi = 96;
constexpr double kFooterPoints = 18;  // the band for the page number

double page_of(double y, double page_height) { return std::floor(y / page_height); }

// Moves to a new page every section that would run over a page break but
// fits on one page by itself.
void keep_sections_together(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  const double page_height = document.pageSize().height();
  std::vector<QTextBlock> headings;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 2) headings.push_back(block);
  }
  for (std::size_t i = 0; i < headings.size(); ++i) {
    const double top = layout->blockBoundingRect(headings[i]).top();
    const double bottom = i + 1 < headings.size() ? layout->blockBoundingRect(headings[i + 1]).top()
                                                  : layout->documentSize().height();
    const bool split = page_of(top, page_height) != page_of(bottom - 1, page_height);
    if (split && bottom - top <= page_height) {
      QTextBlockFormat format;
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(headings[i]).mergeBlockFormat(format);
    }
  }
}

}  // namespace

QPageLayout report_page_layout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 15, 15, 15),
                     QPageLayout::Millimeter);
}

int paint_report(const ReportModel& report, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  // The painter starts at the top-left corner inside the margins.
  const double scale_x = device.logicalDpiX() / kLayoutDpi;
  const double scale_y = device.logicalDpiY() / kLayoutDpi;
  const double footer = kFooterPoints / 72 * device.logicalDpiY();
  const QSizeF body(device.width() / scale_x, (device.height() - footer) / scale_y);

  // Laid out on a 96 dpi image, so that the screen's resolution plays no part.
  QImage layout_device(1, 1, QImage::Format_RGB32);
  layout_device.setDotsPerMeterX(std::lround(kLayoutDpi / 0.0254));
  layout_device.setDotsPerMeterY(std::lround(kLayoutDpi / 0.0254));
  const std::unique_ptr<QTextDocument> document = report_document(report);
  document->documentLayout()->setPaintDevice(&layout_device);
  document->setPageSize(body);
  // Laid out whole before page breaks are added: breaks added to a document
  // laid out only in part left it counting fewer pages than it has, and a
  // long report lost its later pages.
  document->pageCount();
  keep_sections_together(*document);
  const int pages = document->pageCount();

  QFont footer_font = document->defaultFont();
  footer_font.setPointSizeF(9);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    painter.save();
    painter.scale(scale_x, scale_y);
    const QRectF shown(0, page * body.height(), body.width(), body.height());
    painter.translate(0, -shown.top());
    painter.setClipRect(shown);
    QAbstractTextDocumentLayout::PaintContext context;
    // Blocks that only touch the page's edges belong to the pages beside it:
    // drawn here, though clipped, their text would still be in the PDF.
    context.clip = shown.adjusted(0, 1, 0, -1);
    document->documentLayout()->draw(&painter, context);
    painter.restore();
    painter.setFont(footer_font);
    painter.drawText(QRectF(0, device.height() - footer, device.width(), footer),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("第 %1 页 共 %2 页").arg(page + 1).arg(pages));
  }
  painter.end();
  return pages;
}

}  // namespace platewise
