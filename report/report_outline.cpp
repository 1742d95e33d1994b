#include "report_outline.h"

#include <QList>
#include <QString>
#include <algorithm>

#include "editable_style.h"
#include "report_parts.h"

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

using Cell = std::vector<Paragraph>;

Cell cell(std::string_view marked, Tone tone = Tone::Plain) {
  return {paragraph(Role::Cell, marked, tone)};
}

Tone tone_of(Verdict verdict) {
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

Cell verdict_cell(std::optional<Verdict> verdict) {
  if (!verdict) return cell("");
  return cell(verdict_word(*verdict), tone_of(*verdict));
}

// A formula line; a check's closing verdict word in its colour, an alert all red and bold.
Paragraph line_paragraph(const ReportLine& line) {
  if (line.alert) return paragraph(Role::Body, line.text, Tone::Alert);
  if (!line.verdict) return paragraph(Role::Body, line.text);
  const std::string_view text = line.text;
  const std::string_view word = verdict_word(*line.verdict);
  if (!text.ends_with(word)) return paragraph(Role::Body, text);
  Paragraph shown = paragraph(Role::Body, text.substr(0, text.size() - word.size()));
  for (Span& span : spans_of(word, tone_of(*line.verdict))) shown.spans.push_back(std::move(span));
  return shown;
}

// Label and text, two pairs to a line when there are many and none is a check.
Table rows_table(const std::vector<ReportRow>& rows, bool symbols = false) {
  const bool checks =
      std::ranges::any_of(rows, [](const ReportRow& r) { return r.verdict.has_value(); });
  const std::size_t per_line = !checks && rows.size() > kPairedRowsOver ? 2 : 1;
  Table table;
  table.widths = checks                     ? std::vector{0.35, 0.5, 0.15}
                 : per_line == 2 && symbols ? std::vector{0.12, 0.38, 0.12, 0.38}
                 : per_line == 2            ? std::vector{0.22, 0.28, 0.22, 0.28}
                                            : std::vector{0.4, 0.6};
  for (std::size_t i = 0; i < rows.size(); i += per_line) {
    auto& line = table.rows.emplace_back();
    for (std::size_t j = i; j < i + per_line; ++j) {
      if (j >= rows.size()) {
        line.insert(line.end(), {cell(""), cell("")});
        continue;
      }
      const ReportRow& row = rows[j];
      Cell text = cell(row.text);
      if (!row.note.empty()) {
        text.push_back(paragraph(Role::Cell, "（" + row.note + "）", Tone::NotSatisfied));
      }
      line.push_back(cell(row.label));
      line.push_back(std::move(text));
      if (checks) line.push_back(verdict_cell(row.verdict));
    }
  }
  return table;
}

Table identification_table(const ReportInfo& info) {
  Table table;
  table.widths = {0.25, 0.75};
  table.rows = {{cell("工程名称"), cell(info.project)}, {cell("构件编号"), cell(info.member)}};
  return table;
}

// 计算, 校对 and 审核 with their names and room to sign and date.
Table signature_table(const ReportInfo& info) {
  Table table;
  table.widths = {0.16, 0.28, 0.32, 0.24};
  table.header_row = true;
  table.min_row_mm = editable::kSignatureRowMm;
  auto& head = table.rows.emplace_back();
  for (const char* text : kSignatureHeadings) head.push_back({paragraph(Role::CellHead, text)});
  for (const LabelledText& person : signatures(info)) {
    table.rows.push_back(
        {cell(person.label.toStdString()), cell(person.text.toStdString()), cell(""), cell("")});
  }
  return table;
}

void add_centered(std::vector<Block>& blocks, const std::string& text) {
  if (!text.empty()) blocks.emplace_back(paragraph(Role::Centered, text));
}

// At the top of every page of a chapter; a stopped run says so there too.
std::string chapter_header(const ReportModel& chapter) {
  std::string header = running_header(chapter).toStdString();
  if (!chapter.complete) header += std::string(" ") + kIncomplete;
  return header;
}

std::string book_header(const ReportBook& book) { return document_title(book).toStdString(); }

Part chapter_part(const ReportModel& chapter, bool in_book, const std::string& bookmark,
                  const std::optional<ReportPicture>& sketch) {
  Part part{chapter_header(chapter), {}};
  std::vector<Block>& blocks = part.blocks;
  const std::string& member = chapter.info.member;
  Paragraph heading = paragraph(
      Role::Heading1, in_book && !member.empty() ? member + " " + chapter.title : chapter.title);
  heading.bookmark = bookmark;
  blocks.emplace_back(std::move(heading));
  if (!chapter.stale_notice.empty()) {
    blocks.emplace_back(paragraph(Role::Body, chapter.stale_notice, Tone::Alert));
  }
  if (!chapter.complete) blocks.emplace_back(paragraph(Role::Body, kIncomplete, Tone::Alert));
  blocks.emplace_back(identification_table(chapter.info));
  add_centered(blocks, chapter.basis);
  add_centered(blocks, chapter.program);
  add_centered(blocks, chapter.calculated_at);
  // A book is signed once, on its title page.
  if (!in_book) blocks.emplace_back(signature_table(chapter.info));
  for (std::size_t i = 0; i < chapter.sections.size(); ++i) {
    const ReportSection& section = chapter.sections[i];
    blocks.emplace_back(paragraph(Role::Heading2, section.title));
    if (!section.rows.empty()) {
      blocks.emplace_back(rows_table(section.rows, section.kind == SectionKind::Symbols));
    }
    for (const ReportLine& line : section.lines) blocks.emplace_back(line_paragraph(line));
    // The sketch follows the inputs it is drawn from.
    if (i == sketch_after(chapter) && sketch) {
      blocks.emplace_back(Picture{*sketch, kSketchCaption});
      blocks.emplace_back(paragraph(Role::Caption, kSketchCaption));
    }
  }
  return part;
}

Part title_part(const ReportBook& book) {
  Part part{book_header(book), {}};
  if (!book.project.empty()) part.blocks.emplace_back(paragraph(Role::Title, book.project));
  part.blocks.emplace_back(paragraph(Role::Title, "计算书"));
  add_centered(part.blocks, "共 " + std::to_string(book.members.size()) + " 个构件");
  if (!book.chapters.empty()) {
    const ReportModel& first = book.chapters.front();
    add_centered(part.blocks, first.basis);
    add_centered(part.blocks, first.program);
    part.blocks.emplace_back(signature_table(first.info));
  }
  return part;
}

// A paragraph that holds the page number of `bookmark`.
Paragraph page_paragraph(const std::string& bookmark) {
  Paragraph page{Role::Cell, {{"?", Script::Normal, Face::Latin, Tone::Plain, bookmark}}};
  return page;
}

Paragraph bookmarked(Paragraph shown, std::string bookmark) {
  shown.bookmark = std::move(bookmark);
  return shown;
}

Part members_part(const ReportBook& book) {
  Table table;
  table.widths = member_widths(book);
  table.header_row = true;
  table.small = true;
  auto& head = table.rows.emplace_back();
  for (const MemberColumn& column : member_columns()) {
    head.push_back({paragraph(Role::CellHead, column.heading)});
  }
  for (std::size_t r = 0; r < book.members.size(); ++r) {
    const MemberRow& m = book.members[r];
    auto& row = table.rows.emplace_back();
    for (const MemberColumn& column : member_columns()) {
      switch (column.kind) {
        case MemberCell::Verdict:
          row.push_back(m.complete ? verdict_cell(m.worst) : cell(kIncomplete, Tone::Alert));
          break;
        case MemberCell::Page:
          row.push_back({page_paragraph(chapter_bookmark(r))});
          break;
        case MemberCell::Index:
        case MemberCell::Text:
          row.push_back(cell(member_cell_text(column, m, r)));
          break;
      }
    }
  }
  Part part{book_header(book), {}};
  part.blocks.emplace_back(bookmarked(paragraph(Role::Heading1, kMembersTitle), "members"));
  part.blocks.emplace_back(std::move(table));
  if (book.front) {
    part.blocks.emplace_back(
        bookmarked(paragraph(Role::Heading2, kBookConclusionTitle), "conclusion"));
    for (const ReportLine& line : book.front->conclusion) {
      part.blocks.emplace_back(line_paragraph(line));
    }
  }
  return part;
}

Part contents_part(const ReportBook& book) {
  Table table;
  table.widths = {0.85, 0.15};
  for (const ContentsEntry& entry : contents_entries(book)) {
    table.rows.push_back({cell(entry.text), {page_paragraph(entry.bookmark)}});
  }
  return {book_header(book), {paragraph(Role::Heading1, kContentsTitle), std::move(table)}};
}

// The book's 符号说明 and 材料; unset when the chapters keep theirs.
std::optional<Part> front_part(const ReportBook& book) {
  if (!book.front || (!book.front->symbols && !book.front->materials)) return std::nullopt;
  Part part{book_header(book), {}};
  for (const std::optional<ReportSection>* section :
       {&book.front->symbols, &book.front->materials}) {
    if (!*section) continue;
    Paragraph heading = paragraph(Role::Heading2, (*section)->title);
    if (part.blocks.empty()) heading.bookmark = "front";
    part.blocks.emplace_back(std::move(heading));
    if (!(*section)->rows.empty()) {
      part.blocks.emplace_back(
          rows_table((*section)->rows, (*section)->kind == SectionKind::Symbols));
    }
    for (const ReportLine& line : (*section)->lines) {
      part.blocks.emplace_back(line_paragraph(line));
    }
  }
  return part;
}

}  // namespace

std::vector<Span> outline::spans_of(std::string_view marked, Tone tone) {
  std::vector<Span> spans;
  for (const TextRun& run : text_runs(marked)) add_faced(spans, run.text, run.script, tone);
  return spans;
}

Outline outline_of(const ReportBook& given,
                   std::span<const std::optional<ReportPicture>> sketches) {
  std::optional<ReportBook> made;
  const ReportBook& book = shown_book(given, made);
  Outline shown;
  const bool in_book = !book.members.empty();
  shown.title = book_header(book);
  if (in_book) {
    shown.parts.push_back(title_part(book));
    shown.parts.push_back(contents_part(book));
    shown.parts.push_back(members_part(book));
    if (std::optional<Part> front = front_part(book)) shown.parts.push_back(std::move(*front));
  }
  for (std::size_t i = 0; i < book.chapters.size(); ++i) {
    const std::optional<ReportPicture> none;
    shown.parts.push_back(chapter_part(book.chapters[i], in_book,
                                       in_book ? chapter_bookmark(i) : std::string(),
                                       i < sketches.size() ? sketches[i] : none));
  }
  return shown;
}

}  // namespace platewise
