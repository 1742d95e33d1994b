#include "report_document.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <charconv>
#include <span>
#include <vector>

#include "report_fonts.h"
#include "report_outline.h"
#include "report_parts.h"
#include "sketch_object.h"

namespace platewise {
namespace {

using namespace outline;

constexpr double kPixelsPerPoint = 96.0 / 72.0;  // the documents are laid out at 96 dpi
constexpr double kPixelsPerMm = 96 / 25.4;

// Font sizes in points.
struct Sizes {
  double body, table, section, title, cover, banner, centred;
};
constexpr Sizes kPaper{10.5, 9.5, 12, 22, 26, 16, 14};
constexpr Sizes kPanel{9, 9, 10, 12, 12, 10, 9};

// The page a bookmark of the outline stands on; 0 while not known (the
// page cells stay empty then).
class PageNumbers {
 public:
  explicit PageNumbers(const BookPages* pages = nullptr) : pages_(pages) {}
  int operator()(const std::string& bookmark) const {
    if (pages_ == nullptr) return 0;
    if (bookmark == kMembersBookmark) return pages_->members;
    if (bookmark == kConclusionBookmark) return pages_->conclusion;
    if (bookmark == kFrontBookmark) return pages_->front;
    const std::string_view number = std::string_view(bookmark).substr(bookmark.find('-') + 1);
    std::size_t chapter = 0;
    std::from_chars(number.data(), number.data() + number.size(), chapter);
    return chapter >= 1 && chapter <= pages_->chapters.size() ? pages_->chapters[chapter - 1] : 0;
  }

 private:
  const BookPages* pages_;
};

QTextCharFormat size_format(double points) {
  QTextCharFormat format;
  format.setFontPointSize(points);
  return format;
}

QTextBlockFormat centred_block(double space_after = 0) {
  QTextBlockFormat format;
  format.setAlignment(Qt::AlignHCenter);
  format.setBottomMargin(space_after);
  return format;
}

// Writes the outline's blocks into a document in one edit block: Qt then
// lays the document out once, when it is written, rather than again after
// every insertion (a document gets its layout as soon as the sketch's
// handler is registered). Every text is set in one weight: the Song face has
// no bold, and a PDF carries no synthetic bold, so that a bold heading would
// be bold in its Latin letters alone; headings stand out by their size.
class Writer {
 public:
  Writer(QTextDocument& document, ReportLook look, PageNumbers pages = PageNumbers())
      : cursor_(&document),
        look_(look),
        sizes_(look == ReportLook::Panel ? kPanel : kPaper),
        pages_(pages) {
    cursor_.beginEditBlock();
  }
  ~Writer() { cursor_.endEditBlock(); }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void blocks(std::span<const Block> blocks) {
    for (const Block& block : blocks) this->block(block);
  }

  void block(const Block& block) {
    if (const auto* paragraph = std::get_if<Paragraph>(&block)) return this->paragraph(*paragraph);
    if (const auto* table = std::get_if<Table>(&block)) {
      return this->table(*table, 0, table->rows.size(), table->header_row ? 1 : 0);
    }
    picture(std::get<Picture>(block));
  }

  void paragraph(const Paragraph& paragraph) {
    const bool paper = look_ == ReportLook::Paper;
    QTextBlockFormat format;
    double points = sizes_.body;
    switch (paragraph.role) {
      case Role::Title:
        format = centred_block(paper ? 16 : 2);
        points = sizes_.cover;
        break;
      case Role::Heading1:
        format = centred_block(paper ? 8 : 2);
        points = sizes_.title;
        break;
      case Role::Heading2:
        format.setHeadingLevel(2);
        format.setTopMargin(sizes_.section * kPixelsPerPoint * 0.8);
        format.setBottomMargin(3);
        points = sizes_.section;
        break;
      case Role::Banner:
        format = line_block();
        format.setAlignment(Qt::AlignHCenter);
        points = sizes_.banner;
        break;
      case Role::Centered:
        format = centred_block();
        points = sizes_.centred;
        break;
      case Role::Caption:
        format = centred_block(4);
        points = sizes_.table;
        break;
      case Role::Body:
      default:
        format = line_block();
        break;
    }
    const QTextCharFormat chars = size_format(points);
    start(format, chars);
    spans(cursor_, paragraph.spans, chars);
  }

  // Rows [first, end) of `table` as a table with thin single rules, the
  // first `heading_rows` of them heading; the cursor stays after it. On paper
  // the pages draw the rules (see table_rules.h); the panel shows Qt's
  // collapsed grid, drawn from a border of 1 pixel up.
  void table(const Table& table, std::size_t first, std::size_t end, int heading_rows,
             double top_margin = 4, double bottom_margin = 4) {
    QTextTableFormat format;
    if (look_ == ReportLook::Panel) {
      format.setBorderCollapse(true);
      format.setBorder(1);
      format.setBorderBrush(Qt::black);
      format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    } else {
      format.setBorder(0);
    }
    format.setCellSpacing(0);
    format.setCellPadding(3);
    format.setTopMargin(top_margin);
    format.setBottomMargin(bottom_margin);
    format.setHeaderRowCount(heading_rows);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> lengths;
    for (const double width : table.widths) {
      lengths << QTextLength(QTextLength::PercentageLength, 100 * width);
    }
    format.setColumnWidthConstraints(lengths);
    start(QTextBlockFormat());
    QTextTable* shown = cursor_.insertTable(static_cast<int>(end - first),
                                            static_cast<int>(table.widths.size()), format);
    const QTextCharFormat chars = size_format(table.small ? kMembersPoints : sizes_.table);
    for (std::size_t r = first; r < end; ++r) {
      const auto& row = table.rows[r];
      // Room to sign in, on paper; the panel keeps its rows low.
      const bool tall =
          table.min_row_mm > 0 && !(r == 0 && table.header_row) && look_ == ReportLook::Paper;
      for (std::size_t c = 0; c < row.size() && c < table.widths.size(); ++c) {
        QTextTableCell cell = shown->cellAt(static_cast<int>(r - first), static_cast<int>(c));
        cell.setFormat(cell_format(tall ? table.min_row_mm : 0, chars.fontPointSize()));
        QTextCursor in = cell.firstCursorPosition();
        for (std::size_t p = 0; p < row[c].size(); ++p) {
          const Paragraph& paragraph = row[c][p];
          QTextBlockFormat block;
          if (paragraph.role == Role::CellCentred || paragraph.role == Role::CellHead) {
            block.setAlignment(Qt::AlignHCenter);
          }
          if (p == 0) {
            in.setBlockFormat(block);
          } else {
            in.insertBlock(block);
          }
          spans(in, paragraph.spans, chars);
        }
      }
    }
    cursor_.movePosition(QTextCursor::End);
    fresh_ = false;
  }

  // The section sketch, kept as lines and text in the document.
  void picture(const Picture& picture) {
    QTextBlockFormat centred = centred_block();
    centred.setTopMargin(6);
    start(centred);
    insert_sketch(cursor_, picture.sketch);
  }

  void space(double pixels) {
    QTextBlockFormat format;
    format.setTopMargin(pixels);
    start(format, size_format(1));
  }

 private:
  // Starts a paragraph in `format`: the document's first block, or a new one.
  void start(const QTextBlockFormat& format, const QTextCharFormat& chars = {}) {
    if (fresh_) {
      cursor_.setBlockFormat(format);
      cursor_.setBlockCharFormat(chars);
      fresh_ = false;
    } else {
      cursor_.insertBlock(format, chars);
    }
  }

  // A formula or conclusion: its continuation lines indented two characters.
  QTextBlockFormat line_block() const {
    const double indent = 2 * sizes_.body * kPixelsPerPoint;
    QTextBlockFormat format;
    format.setLeftMargin(indent);
    format.setTextIndent(-indent);
    format.setTopMargin(1);
    format.setBottomMargin(1);
    format.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
    return format;
  }

  // A cell's text sits in the middle of its row; a row to sign in is at
  // least `least_mm` high.
  static QTextTableCellFormat cell_format(double least_mm, double points) {
    QTextTableCellFormat format;
    format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    if (least_mm > 0) {
      const double room = (least_mm * kPixelsPerMm - 1.4 * points * kPixelsPerPoint) / 2;
      format.setTopPadding(room);
      format.setBottomPadding(room);
    }
    return format;
  }

  // Inserts spans: their marks as subscripts and superscripts, their tones
  // in the verdicts' colours, page fields as the page they name.
  void spans(QTextCursor& cursor, const std::vector<Span>& spans, const QTextCharFormat& base) {
    for (const Span& span : merged(spans)) {
      QTextCharFormat format = base;
      if (span.script == Script::Sub) format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
      if (span.script == Script::Super) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
      }
      if (const char* colour = tone_colour(span.tone)) format.setForeground(QColor(colour));
      if (span.page_of.empty()) {
        cursor.insertText(QString::fromStdString(span.text), format);
      } else if (const int page = pages_(span.page_of); page > 0) {
        cursor.insertText(QString::number(page), format);
      }
    }
  }

  QTextCursor cursor_;
  ReportLook look_;
  Sizes sizes_;
  PageNumbers pages_;
  bool fresh_ = true;  // the document's first block is still empty
};

std::unique_ptr<QTextDocument> new_document(ReportLook look = ReportLook::Paper) {
  auto document = std::make_unique<QTextDocument>();
  document->setDefaultFont(report_font(look == ReportLook::Panel ? kPanel.body : kPaper.body));
  document->setDocumentMargin(0);
  document->setUndoRedoEnabled(false);
  return document;
}

std::unique_ptr<QTextDocument> document_of(std::span<const Block> blocks,
                                           PageNumbers pages = PageNumbers()) {
  std::unique_ptr<QTextDocument> document = new_document();
  Writer(*document, ReportLook::Paper, pages).blocks(blocks);
  return document;
}

// Where the pages may break a chapter: before each section and before the sketch.
bool starts_piece(const Block& block) {
  if (std::holds_alternative<Picture>(block)) return true;
  const auto* paragraph = std::get_if<Paragraph>(&block);
  return paragraph != nullptr && paragraph->role == Role::Heading2;
}

}  // namespace

std::unique_ptr<QTextDocument> chapter_document(const ReportModel& report, ReportLook look,
                                                ChapterPlace place) {
  const Part part = chapter_part(report, place == ChapterPlace::InBook);
  std::unique_ptr<QTextDocument> document = new_document(look);
  Writer(*document, look).blocks(part.blocks);
  document->setMetaInformation(QTextDocument::DocumentTitle, running_header(report));
  return document;
}

std::vector<std::unique_ptr<QTextDocument>> chapter_pieces(const ReportModel& report,
                                                           ChapterPlace place) {
  const Part part = chapter_part(report, place == ChapterPlace::InBook);
  const std::span<const Block> blocks = part.blocks;
  std::vector<std::unique_ptr<QTextDocument>> pieces;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= blocks.size(); ++i) {
    if (i == blocks.size() || starts_piece(blocks[i])) {
      pieces.push_back(document_of(blocks.subspan(start, i - start)));
      start = i;
    }
  }
  return pieces;
}

std::unique_ptr<QTextDocument> title_page_document(const ReportBook& book) {
  const Part part = title_part(book);
  std::unique_ptr<QTextDocument> document = new_document();
  Writer out(*document, ReportLook::Paper);
  // The titles a third down the page, the title block and signatures lower.
  out.space(150);
  bool spaced = false;
  for (const Block& block : part.blocks) {
    if (std::holds_alternative<Table>(block) && !std::exchange(spaced, true)) out.space(120);
    out.block(block);
  }
  return document;
}

MembersTable members_table(const ReportBook& book, const BookPages& pages) {
  const Part part = members_part(book);
  const std::span<const Block> blocks = part.blocks;
  std::size_t at = 0;
  while (at < blocks.size() && !std::holds_alternative<Table>(blocks[at])) ++at;
  MembersTable members;
  if (at == blocks.size()) return members;
  const Table& table = std::get<Table>(blocks[at]);
  // The title with the heading row; each member's row a table of its own.
  members.pieces.push_back(new_document());
  {
    Writer title(*members.pieces.back(), ReportLook::Paper);
    title.blocks(blocks.first(at));
    title.table(table, 0, 1, 0, 4, 0);
  }
  for (std::size_t r = 1; r < table.rows.size(); ++r) {
    members.pieces.push_back(new_document());
    Writer(*members.pieces.back(), ReportLook::Paper, PageNumbers(&pages))
        .table(table, r, r + 1, 0, 0, 0);
  }
  members.heading = new_document();
  Writer(*members.heading, ReportLook::Paper).table(table, 0, 1, 0, 0, 0);
  if (at + 1 < blocks.size()) members.conclusion = document_of(blocks.subspan(at + 1));
  return members;
}

std::unique_ptr<QTextDocument> front_document(const ReportBook& book) {
  const std::optional<Part> part = front_part(book);
  return part ? document_of(part->blocks) : nullptr;
}

std::unique_ptr<QTextDocument> contents_document(const ReportBook& book, const BookPages& pages) {
  return document_of(contents_part(book).blocks, PageNumbers(&pages));
}

}  // namespace platewise
