#pragma once
// A report book as every format shows it: parts, each starting on a new page
// with its own running header, made of paragraphs, tables and the section
// sketch, their texts cut into spans that say how each piece is set. What the
// report holds and in which order is decided here once; the pages (PDF and
// print), the window's panel, HTML, .docx and .odt only set it in their own
// way.
//
// A book of one beam is one part: the title, the title block, the
// signatures, then the sections. A book of several beams opens with a title
// page, the 目录 and the members' table (构件一览表), then gives each beam a
// part of its own.

#include <QByteArray>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "report_book.h"
#include "report_parts.h"
#include "report_text.h"
#include "section_sketch.h"

namespace platewise {

// The section sketch as a picture, for the formats that embed one.
struct ReportPicture {
  QByteArray png;
  QByteArray svg;  // the same as a vector drawing, for the formats that take one
  double width_mm = 0, height_mm = 0;  // the size it is shown at
};

namespace outline {

// Chinese in the Song face; Latin: letters, digits, Greek and symbols in the serif.
enum class Face { Song, Latin };
// Plain; the colour of 满足, 注意 or 不满足; Alert: red and bold.
enum class Tone { Plain, Satisfied, Attention, NotSatisfied, Alert };

struct Span {
  std::string text;  // UTF-8, without marks
  Script script = Script::Normal;
  Face face = Face::Song;
  Tone tone = Tone::Plain;
  // Set: the span is the number of the page where this bookmark stands, a
  // field the word processor fills in; `text` is shown until it does.
  std::string page_of = {};

  bool operator==(const Span&) const = default;
};

enum class Role {
  Title,        // the title page's lines
  Heading1,     // a part's heading: "计算书", "构件一览表"
  Heading2,     // a section's title
  Body,         // a formula, a comparison, a conclusion; wraps with a hanging indent
  Banner,       // 计算未完成 under the title block of a run that stopped
  Centered,     // the number of members under the title page's title
  Cell,         // a table's text
  CellCentred,  // a table's text set in the middle: numbers, verdicts, pages, signatures
  CellHead,     // a table's header row
  Figure,       // holds a picture
  Caption,      // under a picture
  Header,       // the running header
  Footer,       // the page number
};

struct Paragraph {
  Role role = Role::Body;
  std::vector<Span> spans;
  std::string bookmark = {};  // a name page fields and links refer to; empty: none
};

struct Table {
  std::vector<double> widths;                       // of the columns, summing to 1
  std::vector<std::vector<std::vector<Paragraph>>>  // rows of cells of paragraphs
      rows;
  bool header_row = false;  // the first row heads the columns and repeats on each page
  bool small = false;       // set in the members' table's size (kMembersPoints)
  double min_row_mm = 0;    // rows at least this high (0: as their text)
};

struct Picture {
  SectionSketch sketch;
  std::string name;  // "截面简图"
};

using Block = std::variant<Paragraph, Table, Picture>;

enum class PartKind { Title, Contents, Members, Front, Chapter };

// Pages that share a running header; each part starts on a new page.
struct Part {
  PartKind kind = PartKind::Chapter;
  std::string running_header;  // "工程名称 构件编号 计算书"
  bool incomplete = false;     // a chapter whose run stopped: 计算未完成 beside the header
  std::vector<Block> blocks;
};
// The running header with 计算未完成 after it where the run stopped.
std::string header_line(const Part& part);

struct Outline {
  std::string title;  // the document's title: names the beam, or the project of a book
  std::vector<Part> parts;
};

// The spans of a marked text (report_text.h) in one tone.
std::vector<Span> spans_of(std::string_view marked, Tone tone = Tone::Plain);
// Spans of the same script, tone and page field joined, whatever their faces:
// for the formats that choose faces themselves.
std::vector<Span> merged(const std::vector<Span>& spans);

// The parts of a shown book (report_book.h: shown_book), one at a time, so
// that a long book need not be held whole: its title page, 目录, members'
// table with the 总结论, its 符号说明 and 材料 (none when the chapters keep
// theirs), and the chapter `index` (from 0).
Part title_part(const ReportBook& book);
Part contents_part(const ReportBook& book);
Part members_part(const ReportBook& book);
std::optional<Part> front_part(const ReportBook& book);
Part chapter_part(const ReportBook& book, std::size_t index);
// The report of one beam, alone (title block and signatures) or in a book.
Part chapter_part(const ReportModel& chapter, bool in_book, std::size_t index = 0);

// The tone a verdict is shown in.
Tone tone_of(Verdict verdict);
// The colour of a tone, "#rrggbb" from the verdicts' palette (report_parts.h); none for Plain.
constexpr const char* tone_colour(Tone tone) {
  switch (tone) {
    case Tone::Plain:
      return nullptr;
    case Tone::Satisfied:
      return kSatisfiedColour;
    case Tone::Attention:
      return kAttentionColour;
    case Tone::NotSatisfied:
    case Tone::Alert:
      break;
  }
  return kAlertColour;
}

}  // namespace outline

// The whole outline of `book`.
outline::Outline outline_of(const ReportBook& book);

}  // namespace platewise
