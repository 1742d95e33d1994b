#include "report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <vector>

#include "report_document.h"
#include "report_fonts.h"
#include "report_parts.h"

namespace platewise {
namespace {

// The documents are laid out in units of 1/96 inch and scaled to the device.
constexpr double kLayoutDpi = 96;
constexpr double kHeaderPoints = 22;  // the band of the running header
constexpr double kFooterPoints = 18;  // the band of the page number
constexpr double kBandFontPoints = 9;

double page_of(double y, double page_height) { return std::floor(y / page_height); }

// Moves to a new page every section that would run over a page break but
// fits on one page by itself, and every heading left alone at a page's foot.
void keep_sections_together(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  const double page_height = document.pageSize().height();
  std::vector<QTextBlock> headings;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 2) headings.push_back(block);
  }
  bool moved = false;
  for (std::size_t i = 0; i < headings.size(); ++i) {
    const QRectF heading = layout->blockBoundingRect(headings[i]);
    const double top = heading.top();
    const double bottom = i + 1 < headings.size() ? layout->blockBoundingRect(headings[i + 1]).top()
                                                  : layout->documentSize().height();
    const bool split = page_of(top, page_height) != page_of(bottom - 1, page_height);
    // A long section still keeps its heading with the first lines after it.
    const double first_lines = std::min(bottom, heading.bottom() + 3 * heading.height());
    const bool orphaned = page_of(top, page_height) != page_of(first_lines - 1, page_height);
    if ((split && bottom - top <= page_height) || orphaned) {
      QTextBlockFormat format;
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(headings[i]).mergeBlockFormat(format);
      moved = true;
    }
  }
  // Laid out afresh as a whole: the layout's incremental updates leave
  // blocks before a table at the document's end undrawn.
  if (moved) document.markContentsDirty(0, document.characterCount());
}

// One part of the book laid out on pages of its own.
struct Part {
  std::unique_ptr<QTextDocument> document;
  QString header;           // at the top of its pages; empty: none (the title page)
  bool incomplete = false;  // 计算未完成 beside the header
  bool numbered = true;     // "第 n 页 共 m 页" at the foot
  int pages = 0;
};

std::vector<Part> parts_of(const ReportBook& book) {
  std::vector<Part> parts;
  const bool titled = has_title_page(book);
  if (titled) {
    parts.push_back({title_page_document(book), {}, false, false});
    parts.push_back({members_document(book), document_title(book)});
  }
  for (const ReportModel& chapter : book.chapters) {
    parts.push_back({chapter_document(chapter, ReportLook::Paper,
                                      titled ? ChapterPlace::InBook : ChapterPlace::Alone),
                     running_header(chapter), !chapter.complete});
  }
  return parts;
}

// Lays out a part on pages of `body` size, as on a 96 dpi device whatever the
// screen, so that every device gets the same pages.
void lay_out(Part& part, const QSizeF& body, QPaintDevice& layout_device) {
  part.document->documentLayout()->setPaintDevice(&layout_device);
  part.document->setPageSize(body);
  keep_sections_together(*part.document);
  part.pages = part.document->pageCount();
}

// The running header: the part's text on the left, 计算未完成 on the right,
// a thin rule under both.
void paint_header(QPainter& painter, const Part& part, const QRectF& band) {
  if (part.header.isEmpty()) return;
  const QFont font = report_font(kBandFontPoints);
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  QString flag;
  double flag_width = 0;
  if (part.incomplete) {
    flag = QString::fromUtf8(kIncomplete);
    QFont bold = report_font(kBandFontPoints, true);
    flag_width = QFontMetricsF(bold, painter.device()).horizontalAdvance(flag) + metrics.height();
    painter.setFont(bold);
    painter.setPen(QColor(kAlertColour));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, flag);
    painter.setFont(font);
    painter.setPen(Qt::black);
  }
  const QString text = metrics.elidedText(part.header, Qt::ElideRight, band.width() - flag_width);
  painter.drawText(band.adjusted(0, 0, -flag_width, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
  QPen rule(Qt::black);
  rule.setWidthF(0.5 / 72 * painter.device()->logicalDpiY());
  painter.setPen(rule);
  painter.drawLine(band.bottomLeft(), band.bottomRight());
  painter.setPen(Qt::black);
}

}  // namespace

QPageLayout report_page_layout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 15, 15, 15),
                     QPageLayout::Millimeter);
}

int paint_report(const ReportBook& book, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  // The painter starts at the top-left corner inside the margins.
  const double scale_x = device.logicalDpiX() / kLayoutDpi;
  const double scale_y = device.logicalDpiY() / kLayoutDpi;
  const double header = kHeaderPoints / 72 * device.logicalDpiY();
  const double footer = kFooterPoints / 72 * device.logicalDpiY();
  const QSizeF body(device.width() / scale_x, (device.height() - header - footer) / scale_y);

  QImage layout_device(1, 1, QImage::Format_RGB32);
  layout_device.setDotsPerMeterX(std::lround(kLayoutDpi / 0.0254));
  layout_device.setDotsPerMeterY(std::lround(kLayoutDpi / 0.0254));
  std::vector<Part> parts = parts_of(book);
  int pages = 0;
  for (Part& part : parts) {
    lay_out(part, body, layout_device);
    pages += part.pages;
  }

  const QRectF header_band(0, 0, device.width(), header * 0.75);
  const QRectF footer_band(0, device.height() - footer, device.width(), footer);
  const QFont footer_font = report_font(kBandFontPoints);
  int page_number = 0;
  for (const Part& part : parts) {
    for (int page = 0; page < part.pages; ++page) {
      if (page_number++ > 0) device.newPage();
      paint_header(painter, part, header_band);
      painter.save();
      painter.translate(0, header);
      painter.scale(scale_x, scale_y);
      const QRectF shown(0, page * body.height(), body.width(), body.height());
      painter.translate(0, -shown.top());
      painter.setClipRect(shown);
      QAbstractTextDocumentLayout::PaintContext context;
      // Blocks that only touch the page's edges belong to the pages beside it:
      // drawn here, though clipped, their text would still be in the PDF.
      context.clip = shown.adjusted(0, 1, 0, -1);
      part.document->documentLayout()->draw(&painter, context);
      painter.restore();
      if (!part.numbered) continue;
      painter.setFont(footer_font);
      painter.drawText(footer_band, Qt::AlignHCenter | Qt::AlignBottom,
                       QStringLiteral("第 %1 页 共 %2 页").arg(page_number).arg(pages));
    }
  }
  painter.end();
  return pages;
}

int paint_report(const ReportModel& report, QPagedPaintDevice& device) {
  return paint_report(one_beam_book(report), device);
}

}  // namespace platewise
