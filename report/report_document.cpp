#include "report_document.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <vector>

#include "report_fonts.h"
#include "report_parts.h"
#include "report_text.h"
#include "report_typography.h"
#include "sketch_object.h"

namespace platewise {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;  // the documents are laid out at 96 dpi

// Font sizes in points.
struct Sizes {
  double body, table, section, title, cover;
};
constexpr Sizes kPaper{10.5, 9.5, 12, 22, 26};
constexpr Sizes kPanel{9, 9, 10, 12, 12};

QString qt(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The weight of what stands out (headings, table heads, alerts). The Song
// face has no bold, and a PDF carries no synthetic bold: a bold heading would
// be bold in its Latin letters alone ("一层KL-1" with "KL-1" heavier). So
// every text is set in one weight, and headings stand out by their size.
constexpr QFont::Weight kStrongWeight = QFont::Normal;

QTextCharFormat size_format(double points, bool strong = false) {
  QTextCharFormat format;
  format.setFontPointSize(points);
  if (strong) format.setFontWeight(kStrongWeight);
  return format;
}

QTextCharFormat coloured(QTextCharFormat format, const QColor& colour, bool strong) {
  format.setForeground(colour);
  if (strong) format.setFontWeight(kStrongWeight);
  return format;
}

QTextCharFormat verdict_format(QTextCharFormat format, Verdict verdict) {
  return coloured(format, verdict_colour(verdict), verdict != Verdict::Satisfied);
}

// Inserts a marked text: its marks become subscripts and superscripts.
void insert_marked(QTextCursor& cursor, std::string_view marked, const QTextCharFormat& format) {
  for (const TextRun& run : text_runs(marked)) {
    QTextCharFormat part = format;
    if (run.script == Script::Sub) part.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (run.script == Script::Super) part.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText(qt(run.text), part);
  }
}

// Inserts a text that ends with a verdict's word, the word in its colour;
// the word is added when the text does not end with it.
void insert_with_verdict(QTextCursor& cursor, const std::string& text,
                         std::optional<Verdict> verdict, const QTextCharFormat& format) {
  if (!verdict) return insert_marked(cursor, text, format);
  const std::string_view word = verdict_word(*verdict);
  const std::size_t at = ending_word(text, word);
  if (at == std::string::npos) {
    insert_marked(cursor, text, format);
    if (!text.empty()) cursor.insertText(QStringLiteral(" "), format);
    cursor.insertText(qt(word), verdict_format(format, *verdict));
    return;
  }
  insert_marked(cursor, std::string_view(text).substr(0, at), format);
  cursor.insertText(qt(word), verdict_format(format, *verdict));
  insert_marked(cursor, std::string_view(text).substr(at + word.size()), format);
}

// A cell's text sits in the middle of its row; the padding is the table's.
QTextTableCellFormat middle_cell() {
  QTextTableCellFormat format;
  format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
  return format;
}

// Appends blocks and tables to a document.
// Writes into a document in one edit block: Qt then lays the document out
// once, when it is written, rather than again after every insertion (a
// document gets its layout as soon as the sketch's handler is registered).
class Writer {
 public:
  Writer(QTextDocument& document, ReportLook look)
      : cursor_(&document), look_(look), sizes_(look == ReportLook::Panel ? kPanel : kPaper) {
    cursor_.beginEditBlock();
  }
  ~Writer() { cursor_.endEditBlock(); }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  const Sizes& sizes() const { return sizes_; }
  QTextCursor& cursor() { return cursor_; }

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

  void centred(const QString& text, const QTextCharFormat& chars, double space_after = 4) {
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    format.setBottomMargin(space_after);
    start(format, chars);
    cursor_.insertText(text, chars);
  }

  void heading(const std::string& text) {
    QTextBlockFormat format;
    format.setHeadingLevel(2);
    format.setTopMargin(sizes_.section * kPixelsPerPoint * 0.8);
    format.setBottomMargin(3);
    const QTextCharFormat chars = size_format(sizes_.section, true);
    start(format, chars);
    insert_marked(cursor_, text, chars);
  }

  // A formula or conclusion: its continuation lines indented two characters.
  void line(const ReportLine& line) {
    QTextBlockFormat format = line_block();
    QTextCharFormat chars = size_format(sizes_.body);
    if (line.alert) chars = coloured(chars, QColor(kAlertColour), true);
    start(format, chars);
    insert_with_verdict(cursor_, typeset_line(line.text), line.verdict, chars);
  }

  void alert(const QString& text, double points, bool centre = false) {
    QTextBlockFormat format = line_block();
    if (centre) format.setAlignment(Qt::AlignHCenter);
    const QTextCharFormat chars = coloured(size_format(points), QColor(kAlertColour), true);
    start(format, chars);
    cursor_.insertText(text, chars);
  }

  void space(double pixels) {
    QTextBlockFormat format;
    format.setTopMargin(pixels);
    start(format, size_format(1));
  }

  // A table of `columns`, widths in per cent, with thin single rules; the
  // cursor stays in front of it. On paper the pages draw the rules (see
  // table_rules.h); the panel shows Qt's collapsed grid, drawn from a
  // border of 1 pixel up.
  QTextTable* table(int rows, const std::vector<double>& widths, int heading_rows = 0,
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
    for (double width : widths) lengths << QTextLength(QTextLength::PercentageLength, width);
    format.setColumnWidthConstraints(lengths);
    start(QTextBlockFormat());
    QTextTable* table = cursor_.insertTable(rows, static_cast<int>(widths.size()), format);
    for (int r = 0; r < table->rows(); ++r) {
      for (int c = 0; c < table->columns(); ++c) table->cellAt(r, c).setFormat(middle_cell());
    }
    cursor_.movePosition(QTextCursor::End);
    fresh_ = false;
    return table;
  }

  // Sets a cell's text in the table's size; `centre` for headings and verdicts.
  void cell(QTextTable* table, int row, int column, const std::string& marked,
            std::optional<Verdict> verdict = {}, bool bold = false, bool centre = false) {
    QTextCursor in = table->cellAt(row, column).firstCursorPosition();
    if (centre) {
      QTextBlockFormat format;
      format.setAlignment(Qt::AlignHCenter);
      in.setBlockFormat(format);
    }
    insert_with_verdict(in, marked, verdict, size_format(sizes_.table, bold));
  }
  void cell(QTextTable* table, int row, int column, const QString& text, bool bold = false,
            bool centre = false) {
    cell(table, row, column, text.toStdString(), {}, bold, centre);
  }
  // A remark under a cell's text, in the alert colour.
  void cell_note(QTextTable* table, int row, int column, const std::string& note) {
    QTextCursor in = table->cellAt(row, column).lastCursorPosition();
    in.insertBlock();
    in.insertText("（" + qt(note) + "）",
                  coloured(size_format(sizes_.table), QColor(kAlertColour), false));
  }

 private:
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

  QTextCursor cursor_;
  ReportLook look_;
  Sizes sizes_;
  bool fresh_ = true;  // the document's first block is still empty
};

// Label and text in pairs, two pairs to a row when `paired`; symbols, short,
// leave their meanings the room.
void rows_table(Writer& out, const std::vector<ReportRow>& rows, bool paired, ReportLook look,
                bool symbols) {
  const int per_row = paired ? 2 : 1;
  const int count = static_cast<int>(rows.size());
  QTextTable* table = out.table((count + per_row - 1) / per_row,
                                paired && symbols           ? std::vector<double>{14, 36, 14, 36}
                                : paired                    ? std::vector<double>{30, 20, 30, 20}
                                : look == ReportLook::Panel ? std::vector<double>{50, 50}
                                                            : std::vector<double>{45, 55});
  for (int i = 0; i < count; ++i) {
    const ReportRow& row = rows[static_cast<std::size_t>(i)];
    const int r = i / per_row, c = 2 * (i % per_row);
    out.cell(table, r, c, row.label);
    out.cell(table, r, c + 1, row.text, row.verdict);
    if (!row.note.empty()) out.cell_note(table, r, c + 1, row.note);
  }
}

void title_block_table(Writer& out, const ReportModel& report) {
  const std::vector<LabelledText> block = title_block(report);
  QTextTable* table = out.table(static_cast<int>(block.size()), {20, 80});
  for (int r = 0; r < static_cast<int>(block.size()); ++r) {
    out.cell(table, r, 0, block[static_cast<std::size_t>(r)].label, true);
    out.cell(table, r, 1, block[static_cast<std::size_t>(r)].text);
  }
}

// 计算 / 校对 / 审核, each with its name and lines to sign and date.
void signature_table(Writer& out, const ReportInfo& info) {
  const std::vector<LabelledText> people = signatures(info);
  QTextTable* table = out.table(static_cast<int>(people.size()) + 1, {16, 28, 32, 24}, 1);
  for (int c = 0; c < 4; ++c) out.cell(table, 0, c, QString(kSignatureHeadings[c]), true, true);
  for (int r = 0; r < static_cast<int>(people.size()); ++r) {
    out.cell(table, r + 1, 0, people[static_cast<std::size_t>(r)].label, true, true);
    out.cell(table, r + 1, 1, people[static_cast<std::size_t>(r)].text, false, true);
  }
  // Room to sign by hand.
  for (int r = 1; r < table->rows(); ++r) {
    QTextTableCellFormat tall = middle_cell();
    tall.setTopPadding(10);
    tall.setBottomPadding(10);
    table->cellAt(r, 2).setFormat(tall);
  }
}

// Where a run stopped: 计算未完成 and the line that says why.
void incomplete_banner(Writer& out, const ReportModel& report, double points) {
  out.alert(QString::fromUtf8(kIncomplete), points, true);
  if (const ReportLine* why = stop_line_of(report)) out.line(*why);
}

// The title, the title block, the signatures and where a run stopped.
void append_front_matter(Writer& out, const ReportModel& report, ReportLook look,
                         ChapterPlace place) {
  const Sizes& sizes = out.sizes();
  const bool paper = look == ReportLook::Paper;
  // A notice that the report is behind the window comes before anything else.
  if (!report.stale_notice.empty()) out.alert(qt(report.stale_notice), sizes.body);
  QString title = qt(report.title);
  if (place == ChapterPlace::InBook && !report.info.member.empty()) {
    title = qt(report.info.member) + " " + title;
  }
  out.centred(title, size_format(sizes.title, true), paper ? 8 : 2);
  if (paper) {
    title_block_table(out, report);
    if (place == ChapterPlace::Alone) signature_table(out, report.info);
  } else {
    for (const LabelledText& item : title_block(report)) {
      if (!item.text.isEmpty()) out.centred(item.label + "：" + item.text, size_format(8), 0);
    }
  }
  if (!report.complete) incomplete_banner(out, report, paper ? 16 : sizes.section);
}

// The section sketch with its caption; it follows the inputs it is drawn from.
void append_sketch(Writer& out, const ReportModel& report) {
  if (!report.sketch) return;
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  centred.setTopMargin(6);
  out.start(centred);
  insert_sketch(out.cursor(), *report.sketch);
  out.centred(QString::fromUtf8(kSketchCaption), size_format(out.sizes().table), 4);
}

void append_section(Writer& out, const ReportSection& section, ReportLook look) {
  out.heading(section.title);
  const bool paired = look == ReportLook::Paper && section.rows.size() > 12;
  if (!section.rows.empty()) {
    rows_table(out, section.rows, paired, look, section.kind == SectionKind::Symbols);
  }
  for (const ReportLine& line : section.lines) out.line(line);
}

void append_chapter(Writer& out, const ReportModel& report, ReportLook look, ChapterPlace place) {
  append_front_matter(out, report, look, place);
  for (std::size_t i = 0; i < report.sections.size(); ++i) {
    append_section(out, report.sections[i], look);
    if (i == sketch_after(report)) append_sketch(out, report);
  }
}

std::unique_ptr<QTextDocument> new_document(ReportLook look) {
  auto document = std::make_unique<QTextDocument>();
  document->setDefaultFont(report_font(look == ReportLook::Panel ? kPanel.body : kPaper.body));
  document->setDocumentMargin(0);
  document->setUndoRedoEnabled(false);
  return document;
}

void append_title_page(Writer& out, const ReportBook& book) {
  const Sizes& sizes = out.sizes();
  const ReportModel* first = book.chapters.empty() ? nullptr : &book.chapters.front();
  out.space(150);
  if (!book.project.empty()) out.centred(qt(book.project), size_format(sizes.cover, true), 16);
  out.centred(first ? qt(first->title) : QStringLiteral("计算书"), size_format(sizes.cover, true),
              16);
  out.centred(QStringLiteral("共 %1 个构件").arg(book.members.size()), size_format(14), 0);
  out.space(120);
  if (first == nullptr) return;
  // The first chapter's basis, program and date stand for the book's.
  ReportModel cover = *first;
  cover.info.project = book.project;
  std::vector<LabelledText> block = title_block(cover);
  std::erase_if(block, [](const LabelledText& item) { return item.label == "构件编号"; });
  QTextTable* table = out.table(static_cast<int>(block.size()), {20, 80});
  for (int r = 0; r < static_cast<int>(block.size()); ++r) {
    out.cell(table, r, 0, block[static_cast<std::size_t>(r)].label, true);
    out.cell(table, r, 1, block[static_cast<std::size_t>(r)].text);
  }
  signature_table(out, first->info);
}

std::vector<double> per_cent(std::vector<double> shares) {
  for (double& share : shares) share *= 100;
  return shares;
}

// A cell of the members' table in its size; a verdict in its colour, centred.
void member_cell(QTextTable* table, int column, const QString& text, bool bold, bool centre,
                 std::optional<Verdict> colour = {}) {
  QTextCursor in = table->cellAt(0, column).firstCursorPosition();
  if (centre) {
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    in.setBlockFormat(format);
  }
  QTextCharFormat chars = size_format(kMembersPoints, bold);
  if (colour) chars = verdict_format(chars, *colour);
  insert_marked(in, text.toStdString(), chars);
}

// The heading row, as a table of its own under `top_margin`.
void append_members_heading(Writer& out, const std::vector<double>& widths, double top_margin) {
  const std::span<const MemberColumn> columns = member_columns();
  QTextTable* table = out.table(1, widths, 0, top_margin, 0);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    member_cell(table, static_cast<int>(c), QString(columns[c].heading), true, true);
  }
}

// The row of the `index`th member (from 0), as a table of its own; `page`
// where its chapter starts, 0: not known.
void append_member(Writer& out, const std::vector<double>& widths, const MemberRow& member,
                   std::size_t index, int page) {
  const std::span<const MemberColumn> columns = member_columns();
  QTextTable* table = out.table(1, widths, 0, 0, 0);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const MemberColumn& column = columns[c];
    const int at = static_cast<int>(c);
    switch (column.kind) {
      case MemberCell::Page:
        member_cell(table, at, page > 0 ? QString::number(page) : QString(), false, true);
        break;
      case MemberCell::Verdict:
        member_cell(table, at, member_verdict_text(member), false, true,
                    member_verdict_colour(member));
        break;
      case MemberCell::Index:
        member_cell(table, at, qt(member_cell_text(column, member, index)), false, true);
        break;
      case MemberCell::Text:
        member_cell(table, at, qt(member_cell_text(column, member, index)), false, false);
        break;
    }
  }
}

// Where `entry` starts; 0 while not known.
int page_of(const ContentsEntry& entry, const BookPages& pages) {
  switch (entry.target) {
    case ContentsTarget::Members:
      return pages.members;
    case ContentsTarget::Conclusion:
      return pages.conclusion;
    case ContentsTarget::Front:
      return pages.front;
    case ContentsTarget::Chapter:
      break;
  }
  return entry.chapter < pages.chapters.size() ? pages.chapters[entry.chapter] : 0;
}

// An unnumbered section of the book's front: its heading, rows and lines.
void append_front_section(Writer& out, const ReportSection& section) {
  append_section(out, section, ReportLook::Paper);
}

}  // namespace

std::unique_ptr<QTextDocument> chapter_document(const ReportModel& report, ReportLook look,
                                                ChapterPlace place) {
  std::unique_ptr<QTextDocument> document = new_document(look);
  Writer out(*document, look);
  append_chapter(out, report, look, place);
  document->setMetaInformation(QTextDocument::DocumentTitle, running_header(report));
  return document;
}

std::vector<std::unique_ptr<QTextDocument>> chapter_pieces(const ReportModel& report,
                                                           ChapterPlace place) {
  std::vector<std::unique_ptr<QTextDocument>> pieces;
  pieces.push_back(new_document(ReportLook::Paper));
  Writer front(*pieces.back(), ReportLook::Paper);
  append_front_matter(front, report, ReportLook::Paper, place);
  for (std::size_t i = 0; i < report.sections.size(); ++i) {
    pieces.push_back(new_document(ReportLook::Paper));
    Writer out(*pieces.back(), ReportLook::Paper);
    append_section(out, report.sections[i], ReportLook::Paper);
    if (i == sketch_after(report)) {  // a piece of its own, kept whole
      pieces.push_back(new_document(ReportLook::Paper));
      Writer sketch(*pieces.back(), ReportLook::Paper);
      append_sketch(sketch, report);
    }
  }
  return pieces;
}

std::unique_ptr<QTextDocument> title_page_document(const ReportBook& book) {
  std::unique_ptr<QTextDocument> document = new_document(ReportLook::Paper);
  Writer out(*document, ReportLook::Paper);
  append_title_page(out, book);
  return document;
}

MembersTable members_table(const ReportBook& book, const BookPages& pages) {
  MembersTable table;
  const std::vector<double> widths = per_cent(member_widths(book));
  table.pieces.push_back(new_document(ReportLook::Paper));
  Writer title(*table.pieces.back(), ReportLook::Paper);
  title.centred(QString::fromUtf8(kMembersTitle), size_format(title.sizes().title, true), 8);
  append_members_heading(title, widths, 4);
  for (std::size_t r = 0; r < book.members.size(); ++r) {
    table.pieces.push_back(new_document(ReportLook::Paper));
    Writer row(*table.pieces.back(), ReportLook::Paper);
    append_member(row, widths, book.members[r], r,
                  r < pages.chapters.size() ? pages.chapters[r] : 0);
  }
  table.heading = new_document(ReportLook::Paper);
  Writer heading(*table.heading, ReportLook::Paper);
  append_members_heading(heading, widths, 0);
  if (book.front) {
    table.conclusion = new_document(ReportLook::Paper);
    Writer conclusion(*table.conclusion, ReportLook::Paper);
    conclusion.heading(kBookConclusionTitle);
    for (const ReportLine& line : book.front->conclusion) conclusion.line(line);
  }
  return table;
}

std::unique_ptr<QTextDocument> front_document(const ReportBook& book) {
  if (!book.front || (!book.front->symbols && !book.front->materials)) return nullptr;
  std::unique_ptr<QTextDocument> document = new_document(ReportLook::Paper);
  Writer out(*document, ReportLook::Paper);
  if (book.front->symbols) append_front_section(out, *book.front->symbols);
  if (book.front->materials) append_front_section(out, *book.front->materials);
  return document;
}

std::unique_ptr<QTextDocument> contents_document(const ReportBook& book, const BookPages& pages) {
  std::unique_ptr<QTextDocument> document = new_document(ReportLook::Paper);
  Writer out(*document, ReportLook::Paper);
  out.centred(QString::fromUtf8(kContentsTitle), size_format(out.sizes().title, true), 8);
  const std::vector<ContentsEntry> entries = contents_entries(book);
  QTextTable* table = out.table(static_cast<int>(entries.size()), {85, 15});
  for (std::size_t r = 0; r < entries.size(); ++r) {
    const ContentsEntry& entry = entries[r];
    const int row = static_cast<int>(r);
    out.cell(table, row, 0, entry.text);
    const int page = page_of(entry, pages);
    out.cell(table, row, 1, page > 0 ? QString::number(page) : QString(), false, true);
  }
  return document;
}

}  // namespace platewise
