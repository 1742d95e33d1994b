#include "report_outline.h"

#include <QList>
#include <QString>
#include <algorithm>

#include "editable_style.h"
#include "report_parts.h"
#include "report_typography.h"

namespace platewise {
namespace {

using namespace outline;

// Rows of a table go two to a line beyond this many, as on paper.
constexpr std::size_t kPairedRowsOver = 12;

// Characters set in the Song face: ideographs, kana, CJK punctuation, full
// width forms and the curly quotes Chinese text uses. The rest is set in the
// serif: letters, digits, Greek, operators, spaces.
bool is_song(char32_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || c >= 0x20000 ||
         (c >= 0x2018 && c <= 0x201D);
}

// Characters XML 1.0 cannot hold; a typed name may bring them, and a file
// holding one would not open.
bool xml_forbidden(char32_t c) {
  return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0xD800 && c <= 0xDFFF) ||
         c == 0xFFFE || c == 0xFFFF;
}

// Cuts a text where its face changes; a space goes with the piece it is in,
// so that it starts no span of its own.
void add_faced(std::vector<Span>& spans, const std::string& text, Script script, Tone tone) {
  const QList<uint> code_points = QString::fromStdString(text).toUcs4();
  std::u32string piece;
  std::optional<Face> face;  // of the piece; unset while it holds spaces only
  const auto flush = [&] {
    if (piece.empty()) return;
    spans.push_back(
        {QString::fromUcs4(piece.data(), static_cast<qsizetype>(piece.size())).toStdString(),
         script, face.value_or(Face::Latin), tone});
    piece.clear();
    face.reset();
  };
  for (const uint point : code_points) {
    const auto c = static_cast<char32_t>(point);
    if (xml_forbidden(c)) continue;
    if (c != U' ' && c != U'\u00A0') {
      const Face this_face = is_song(c) ? Face::Song : Face::Latin;
      if (face && *face != this_face) flush();
      face = this_face;
    }
    piece += c;
  }
  flush();
}

Paragraph paragraph(Role role, std::string_view marked, Tone tone = Tone::Plain) {
  return {role, spans_of(marked, tone)};
}

Paragraph bookmarked(Paragraph shown, std::string bookmark) {
  shown.bookmark = std::move(bookmark);
  return shown;
}

using Cell = std::vector<Paragraph>;

Cell cell(std::string_view marked, Tone tone = Tone::Plain, Role role = Role::Cell) {
  return {paragraph(role, marked, tone)};
}

// A text that ends with a verdict's word, the word in its colour; the word is
// added when the text does not end with it.
Paragraph with_verdict(Role role, std::string_view text, std::optional<Verdict> verdict) {
  if (!verdict) return paragraph(role, text);
  const std::string_view word = verdict_word(*verdict);
  const std::size_t at = ending_word(text, word);
  // The word added goes after a blank, which joins the text's last span.
  Paragraph shown = paragraph(role, at != std::string_view::npos ? std::string(text.substr(0, at))
                                    : text.empty()               ? std::string()
                                                                 : std::string(text) + " ");
  for (Span& span : spans_of(word, tone_of(*verdict))) shown.spans.push_back(std::move(span));
  if (at != std::string_view::npos) {
    for (Span& span : spans_of(text.substr(at + word.size()))) {
      shown.spans.push_back(std::move(span));
    }
  }
  return shown;
}

// A formula line, set as formulas are (report_typography.h); a check's
// verdict word in its colour, an alert all red.
Paragraph line_paragraph(const ReportLine& line) {
  const std::string text = typeset_line(line.text);
  if (line.alert) return paragraph(Role::Body, text, Tone::Alert);
  return with_verdict(Role::Body, text, line.verdict);
}

// Label and text, two pairs to a line when there are many and none is a
// check; symbols, short, leave their meanings the room. A check's text ends
// with its verdict.
Table rows_table(const ReportSection& section) {
  const std::vector<ReportRow>& rows = section.rows;
  const bool checks =
      std::ranges::any_of(rows, [](const ReportRow& r) { return r.verdict.has_value(); });
  const std::size_t per_line = !checks && rows.size() > kPairedRowsOver ? 2 : 1;
  Table table;
  table.widths = per_line == 1                          ? std::vector{0.45, 0.55}
                 : section.kind == SectionKind::Symbols ? std::vector{0.14, 0.36, 0.14, 0.36}
                                                        : std::vector{0.3, 0.2, 0.3, 0.2};
  for (std::size_t i = 0; i < rows.size(); i += per_line) {
    auto& line = table.rows.emplace_back();
    for (std::size_t j = i; j < i + per_line; ++j) {
      if (j >= rows.size()) {
        line.insert(line.end(), {cell(""), cell("")});
        continue;
      }
      const ReportRow& row = rows[j];
      Cell text = {with_verdict(Role::Cell, row.text, row.verdict)};
      if (!row.note.empty()) {
        text.push_back(paragraph(Role::Cell, "（" + row.note + "）", Tone::NotSatisfied));
      }
      line.push_back(cell(row.label));
      line.push_back(std::move(text));
    }
  }
  return table;
}

void add_section(std::vector<Block>& blocks, const ReportSection& section,
                 std::string bookmark = {}) {
  blocks.emplace_back(bookmarked(paragraph(Role::Heading2, section.title), std::move(bookmark)));
  if (!section.rows.empty()) blocks.emplace_back(rows_table(section));
  for (const ReportLine& line : section.lines) blocks.emplace_back(line_paragraph(line));
}

// Label and text: 工程名称, 构件编号, the basis, the program, the date.
Table title_block_table(const std::vector<LabelledText>& block) {
  Table table;
  table.widths = {0.25, 0.75};
  for (const LabelledText& item : block) {
    table.rows.push_back({cell(item.label.toStdString()), cell(item.text.toStdString())});
  }
  return table;
}

// 计算, 校对 and 审核 with their names and room to sign and date.
Table signature_table(const ReportInfo& info) {
  Table table;
  table.widths = {0.16, 0.28, 0.32, 0.24};
  table.header_row = true;
  table.min_row_mm = editable::kSignatureRowMm;
  auto& head = table.rows.emplace_back();
  for (const char* text : kSignatureHeadings)
    head.push_back(cell(text, Tone::Plain, Role::CellHead));
  for (const LabelledText& person : signatures(info)) {
    table.rows.push_back({cell(person.label.toStdString(), Tone::Plain, Role::CellCentred),
                          cell(person.text.toStdString(), Tone::Plain, Role::CellCentred), cell(""),
                          cell("")});
  }
  return table;
}

std::string book_header(const ReportBook& book) { return document_title(book).toStdString(); }

// A paragraph that holds the page number of `bookmark`.
Paragraph page_paragraph(const std::string& bookmark) {
  return {Role::CellCentred, {{"?", Script::Normal, Face::Latin, Tone::Plain, bookmark}}};
}

Cell member_cell(const MemberColumn& column, const MemberRow& member, std::size_t index) {
  switch (column.kind) {
    case MemberCell::Verdict: {
      const std::optional<Verdict> colour = member_verdict_colour(member);
      const Tone tone = !member.complete ? Tone::Alert : colour ? tone_of(*colour) : Tone::Plain;
      return cell(member_verdict_text(member).toStdString(), tone, Role::CellCentred);
    }
    case MemberCell::Page:
      return {page_paragraph(chapter_bookmark(index))};
    case MemberCell::Index:
      return cell(member_cell_text(column, member, index), Tone::Plain, Role::CellCentred);
    case MemberCell::Text:
      break;
  }
  return cell(member_cell_text(column, member, index));
}

}  // namespace

std::string outline::header_line(const Part& part) {
  return part.incomplete ? part.running_header + " " + kIncomplete : part.running_header;
}

Tone outline::tone_of(Verdict verdict) {
  switch (verdict) {
    case Verdict::NotSatisfied:
      return Tone::NotSatisfied;
    case Verdict::Rounding:
    case Verdict::Attention:
      return Tone::Attention;
    case Verdict::Satisfied:
      break;
  }
  return Tone::Satisfied;
}

Part outline::chapter_part(const ReportModel& chapter, bool in_book, std::size_t index) {
  Part part{PartKind::Chapter, running_header(chapter).toStdString(), !chapter.complete, {}};
  std::vector<Block>& blocks = part.blocks;
  // A notice that the report is behind the window comes before anything else.
  if (!chapter.stale_notice.empty()) {
    blocks.emplace_back(paragraph(Role::Body, chapter.stale_notice, Tone::Alert));
  }
  const std::string& member = chapter.info.member;
  blocks.emplace_back(
      bookmarked(paragraph(Role::Heading1, in_book && !member.empty() ? member + " " + chapter.title
                                                                      : chapter.title),
                 in_book ? chapter_bookmark(index) : std::string()));
  blocks.emplace_back(title_block_table(title_block(chapter)));
  // A book is signed once, on its title page.
  if (!in_book) blocks.emplace_back(signature_table(chapter.info));
  if (!chapter.complete) {
    blocks.emplace_back(paragraph(Role::Banner, kIncomplete, Tone::Alert));
    if (const ReportLine* why = stop_line_of(chapter)) blocks.emplace_back(line_paragraph(*why));
  }
  for (std::size_t i = 0; i < chapter.sections.size(); ++i) {
    add_section(blocks, chapter.sections[i]);
    // The sketch follows the inputs it is drawn from.
    if (i == sketch_after(chapter)) {
      blocks.emplace_back(Picture{*chapter.sketch, kSketchCaption});
      blocks.emplace_back(paragraph(Role::Caption, kSketchCaption));
    }
  }
  return part;
}

Part outline::chapter_part(const ReportBook& book, std::size_t index) {
  return chapter_part(book.chapters[index], has_title_page(book), index);
}

Part outline::title_part(const ReportBook& book) {
  Part part{PartKind::Title, book_header(book), false, {}};
  const ReportModel* first = book.chapters.empty() ? nullptr : &book.chapters.front();
  if (!book.project.empty()) part.blocks.emplace_back(paragraph(Role::Title, book.project));
  part.blocks.emplace_back(paragraph(Role::Title, first ? first->title : "计算书"));
  part.blocks.emplace_back(
      paragraph(Role::Centered, "共 " + std::to_string(book.members.size()) + " 个构件"));
  if (first == nullptr) return part;
  // The first chapter's basis, program and date stand for the book's.
  ReportModel cover;
  cover.info.project = book.project;
  cover.basis = first->basis;
  cover.program = first->program;
  cover.calculated_at = first->calculated_at;
  std::vector<LabelledText> block = title_block(cover);
  std::erase_if(block, [](const LabelledText& item) { return item.label == "构件编号"; });
  part.blocks.emplace_back(title_block_table(block));
  part.blocks.emplace_back(signature_table(first->info));
  return part;
}

Part outline::members_part(const ReportBook& book) {
  Table table;
  table.widths = member_widths(book);
  table.header_row = true;
  table.small = true;
  auto& head = table.rows.emplace_back();
  for (const MemberColumn& column : member_columns()) {
    head.push_back(cell(column.heading, Tone::Plain, Role::CellHead));
  }
  for (std::size_t r = 0; r < book.members.size(); ++r) {
    auto& row = table.rows.emplace_back();
    for (const MemberColumn& column : member_columns()) {
      row.push_back(member_cell(column, book.members[r], r));
    }
  }
  Part part{PartKind::Members, book_header(book), false, {}};
  part.blocks.emplace_back(bookmarked(paragraph(Role::Heading1, kMembersTitle), kMembersBookmark));
  part.blocks.emplace_back(std::move(table));
  if (book.front) {
    part.blocks.emplace_back(
        bookmarked(paragraph(Role::Heading2, kBookConclusionTitle), kConclusionBookmark));
    for (const ReportLine& line : book.front->conclusion) {
      part.blocks.emplace_back(line_paragraph(line));
    }
  }
  return part;
}

Part outline::contents_part(const ReportBook& book) {
  Table table;
  table.widths = {0.85, 0.15};
  for (const ContentsEntry& entry : contents_entries(book)) {
    table.rows.push_back({cell(entry.text), {page_paragraph(entry.bookmark)}});
  }
  return {PartKind::Contents,
          book_header(book),
          false,
          {paragraph(Role::Heading1, kContentsTitle), std::move(table)}};
}

std::optional<Part> outline::front_part(const ReportBook& book) {
  if (!book.front || (!book.front->symbols && !book.front->materials)) return std::nullopt;
  Part part{PartKind::Front, book_header(book), false, {}};
  for (const std::optional<ReportSection>* section :
       {&book.front->symbols, &book.front->materials}) {
    if (*section) add_section(part.blocks, **section, part.blocks.empty() ? kFrontBookmark : "");
  }
  return part;
}

std::vector<Span> outline::spans_of(std::string_view marked, Tone tone) {
  std::vector<Span> spans;
  for (const TextRun& run : text_runs(marked)) add_faced(spans, run.text, run.script, tone);
  return spans;
}

std::vector<Span> outline::merged(const std::vector<Span>& spans) {
  std::vector<Span> joined;
  for (const Span& span : spans) {
    if (!joined.empty() && joined.back().script == span.script && joined.back().tone == span.tone &&
        joined.back().page_of.empty() && span.page_of.empty()) {
      joined.back().text += span.text;
    } else {
      joined.push_back(span);
    }
  }
  return joined;
}

Outline outline_of(const ReportBook& given) {
  std::optional<ReportBook> made;
  const ReportBook& book = shown_book(given, made);
  Outline shown;
  shown.title = book_header(book);
  if (has_title_page(book)) {
    shown.parts.push_back(title_part(book));
    shown.parts.push_back(contents_part(book));
    shown.parts.push_back(members_part(book));
    if (std::optional<Part> front = front_part(book)) shown.parts.push_back(std::move(*front));
  }
  for (std::size_t i = 0; i < book.chapters.size(); ++i) {
    shown.parts.push_back(chapter_part(book, i));
  }
  return shown;
}

}  // namespace platewise
