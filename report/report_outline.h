#pragma once
// A report book as the editable formats write it: parts, each starting on a
// new page with its own running header, made of paragraphs, tables and
// pictures whose texts are cut into spans that say how each piece is set.
// The .docx and .odt writers only spell this out in their own markup.
//
// A book of one beam is one part: the title block, then the sections. A book
// of several beams opens with a title page and the members' table (构件一览表),
// then gives each beam a part of its own.

#include <QByteArray>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "report_book.h"
#include "report_text.h"

namespace platewise {

// A picture the editable formats show, such as the section sketch.
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
  Title,     // the title page's lines
  Heading1,  // a part's heading: "计算书", "构件一览表"
  Heading2,  // a section's title
  Body,      // a formula, a comparison, a conclusion; wraps with a hanging indent
  Centered,  // the basis, the program and the date under a heading
  Cell,      // a table's text
  CellHead,  // a table's header row
  Figure,    // holds a picture
  Caption,   // under a picture
  Header,    // the running header
  Footer,    // the page number
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
  ReportPicture picture;
  std::string name;  // "截面简图"
};

using Block = std::variant<Paragraph, Table, Picture>;

// Pages that share a running header; each part starts on a new page.
struct Part {
  std::string running_header;
  std::vector<Block> blocks;
};

struct Outline {
  std::string title;  // the document's title: names the beam, or the project of a book
  std::vector<Part> parts;
};

// The spans of a marked text (report_text.h) in one tone.
std::vector<Span> spans_of(std::string_view marked, Tone tone = Tone::Plain);

}  // namespace outline

// The outline of `book`; `sketches[i]`, where given, is shown in chapter i.
outline::Outline outline_of(const ReportBook& book,
                            std::span<const std::optional<ReportPicture>> sketches = {});

}  // namespace platewise
