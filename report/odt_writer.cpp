// OpenDocument text, written part by part: the common styles and the master
// pages in styles.xml, the text with the automatic styles it needs in
// content.xml.

#include "odt_writer.h"

#include <map>
#include <string>
#include <vector>

#include "editable_style.h"
#include "program_version.h"
#include "sketch_picture.h"
#include "xml_part.h"
#include "zip_package.h"

namespace platewise {
namespace {

using namespace outline;
using namespace editable;

constexpr char kMimeType[] = "application/vnd.oasis.opendocument.text";
constexpr char kVersion[] = "1.3";

constexpr std::pair<const char*, const char*> kNamespaces[] = {
    {"xmlns:office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
    {"xmlns:style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
    {"xmlns:text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
    {"xmlns:table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"},
    {"xmlns:draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"},
    {"xmlns:fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"},
    {"xmlns:xlink", "http://www.w3.org/1999/xlink"},
    {"xmlns:svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"},
    {"xmlns:meta", "urn:oasis:names:tc:opendocument:xmlns:meta:1.0"},
    {"xmlns:dc", "http://purl.org/dc/elements/1.1/"},
};

QString text_of(const std::string& utf8) { return QString::fromStdString(utf8); }
QString count(std::size_t n) { return QString::number(n); }

void start_root(XmlPart& part, const char* name) {
  part.start(name);
  for (const auto& [prefix, uri] : kNamespaces) part.xml().writeAttribute(prefix, uri);
  part.xml().writeAttribute("office:version", kVersion);
}

// ---- How a span looks: its text style --------------------------------------

// A span's look; its size is its paragraph's.
struct SpanLook {
  Face face;
  Script script;
  Tone tone;

  auto operator<=>(const SpanLook&) const = default;
};

SpanLook span_look(const Span& span) { return {span.face, span.script, span.tone}; }

bool is_plain(const SpanLook& look) {
  return look.script == Script::Normal && look.tone == Tone::Plain;
}

// The automatic text styles, named "T1", "T2" … in the order the text first needs them.
class SpanStyles {
 public:
  explicit SpanStyles(const Outline& outline) {
    for (const Part& part : outline.parts) {
      for (const Block& block : part.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) add(*paragraph);
        if (const auto* table = std::get_if<Table>(&block)) {
          for (const auto& row : table->rows) {
            for (const auto& cell : row) {
              for (const Paragraph& paragraph : cell) add(paragraph);
            }
          }
        }
      }
    }
  }

  // The style of a span; empty: none, the paragraph's.
  QString name(const SpanLook& look) const {
    if (is_plain(look)) return look.face == Face::Latin ? "Latin" : "";
    const auto found = names_.find(look);
    return found == names_.end() ? QString() : found->second;
  }

  void write(XmlPart& part) const {
    for (const auto& [look, name] : names_) {
      part.start("style:style", {{"style:name", name}, {"style:family", "text"}});
      if (look.face == Face::Latin) part.xml().writeAttribute("style:parent-style-name", "Latin");
      part.start("style:text-properties");
      QXmlStreamWriter& xml = part.xml();
      if (look.script != Script::Normal) {
        xml.writeAttribute("style:text-position",
                           look.script == Script::Sub ? "sub 58%" : "super 58%");
      }
      if (const char* rgb = tone_colour(look.tone)) xml.writeAttribute("fo:color", rgb);
      if (look.tone == Tone::Alert) {
        for (const char* weight :
             {"fo:font-weight", "style:font-weight-asian", "style:font-weight-complex"}) {
          xml.writeAttribute(weight, "bold");
        }
      }
      part.end();
      part.end();
    }
  }

 private:
  void add(const Paragraph& paragraph) {
    for (const Span& span : paragraph.spans) {
      const SpanLook look = span_look(span);
      if (!is_plain(look) && !names_.contains(look)) {
        names_.emplace(look, "T" + count(names_.size() + 1));
      }
    }
  }

  std::map<SpanLook, QString> names_;
};

// ---- Text -------------------------------------------------------------------

// Writes text as ODF keeps it: a space after a space, or at the start of a
// paragraph, as <text:s/>, which would otherwise be dropped; line ends as
// line breaks.
class TextOut {
 public:
  explicit TextOut(XmlPart& part) : part_(part) {}

  void write(const QString& text) {
    QString plain;
    const auto flush = [&] {
      if (!plain.isEmpty()) part_.xml().writeCharacters(plain);
      plain.clear();
    };
    for (const QChar c : text) {
      if (c == ' ' && after_space_) {
        flush();
        part_.empty("text:s");
      } else if (c == '\n') {
        flush();
        part_.empty("text:line-break");
        after_space_ = true;
        continue;
      } else {
        plain += c;
      }
      after_space_ = c == ' ';
    }
    flush();
  }

 private:
  XmlPart& part_;
  bool after_space_ = true;  // a paragraph's leading space would be dropped too
};

// Spans in the text styles of `styles`; without them (the running header, the
// footer) only the faces are kept.
void write_spans(XmlPart& part, const std::vector<Span>& spans, const SpanStyles* styles) {
  TextOut out(part);
  for (const Span& span : spans) {
    const SpanLook look = span_look(span);
    const QString style = styles                     ? styles->name(look)
                          : look.face == Face::Latin ? QString("Latin")
                                                     : QString();
    if (!style.isEmpty()) part.start("text:span", {{"text:style-name", style}});
    if (span.page_of.empty()) {
      out.write(text_of(span.text));
    } else {  // the page where the bookmark stands, filled in by the word processor
      part.start("text:bookmark-ref",
                 {{"text:reference-format", "page"}, {"text:ref-name", text_of(span.page_of)}});
      part.xml().writeCharacters(text_of(span.text));
      part.end();
    }
    if (!style.isEmpty()) part.end();
  }
}

const char* style_name(Role role) { return look_of(role).odf_name; }

// ---- content.xml ------------------------------------------------------------

// What the text refers to beyond the common styles: the pictures it shows.
struct Content {
  QByteArray xml;
  // "Pictures/image<n>.svg" and its PNG "Pictures/image<n>.png", in order.
  std::vector<ReportPicture> pictures;
};

class ContentWriter {
 public:
  explicit ContentWriter(const Outline& outline) : outline_(outline), spans_(outline) {}

  Content write() {
    start_root(part_, "office:document-content");
    write_automatic_styles();
    part_.start("office:body");
    part_.start("office:text");
    for (std::size_t i = 0; i < outline_.parts.size(); ++i) {
      const std::vector<Block>& blocks = outline_.parts[i].blocks;
      // The part's first paragraph starts its master page, and so a new page.
      const auto* first = blocks.empty() ? nullptr : std::get_if<Paragraph>(&blocks.front());
      const Paragraph opening = first ? *first : Paragraph{Role::Centered, {}};
      write_paragraph(opening, part_start_style(i));
      for (std::size_t b = first ? 1 : 0; b < blocks.size(); ++b) write_block(blocks[b]);
    }
    part_.end();
    part_.end();
    part_.end();
    return {part_.finish(), std::move(pictures_)};
  }

 private:
  static QString part_start_style(std::size_t index) { return "PartStart" + count(index + 1); }

  void write_automatic_styles() {
    part_.start("office:automatic-styles");
    for (std::size_t i = 0; i < outline_.parts.size(); ++i) {
      const std::vector<Block>& blocks = outline_.parts[i].blocks;
      const auto* first = blocks.empty() ? nullptr : std::get_if<Paragraph>(&blocks.front());
      part_.empty("style:style",
                  {{"style:name", part_start_style(i)},
                   {"style:family", "paragraph"},
                   {"style:parent-style-name", style_name(first ? first->role : Role::Centered)},
                   {"style:master-page-name", "Part" + count(i + 1)}});
    }
    spans_.write(part_);
    for (const Role role : {Role::Cell, Role::CellCentred, Role::CellHead}) {
      const char* parent = style_name(role);
      part_.start("style:style", {{"style:name", small_style(role)},
                                  {"style:family", "paragraph"},
                                  {"style:parent-style-name", parent}});
      part_.empty("style:text-properties", {{"fo:font-size", pt(kMembersPoints)},
                                            {"style:font-size-asian", pt(kMembersPoints)},
                                            {"style:font-size-complex", pt(kMembersPoints)}});
      part_.end();
    }
    write_table_styles();
    part_.start("style:style", {{"style:name", "Sketch"}, {"style:family", "graphic"}});
    part_.empty("style:graphic-properties", {{"style:vertical-pos", "top"},
                                             {"style:vertical-rel", "baseline"},
                                             {"fo:border", "none"},
                                             {"fo:padding", "0mm"}});
    part_.end();
    part_.end();
  }

  // Each table's width and columns; cells ruled on the left and top, the
  // last column and row also on the right and bottom, so rules stay single.
  void write_table_styles() {
    std::size_t n = 0;
    for (const Part& part : outline_.parts) {
      for (const Block& block : part.blocks) {
        const auto* table = std::get_if<Table>(&block);
        if (!table) continue;
        ++n;
        part_.start("style:style", {{"style:name", "Table" + count(n)}, {"style:family", "table"}});
        part_.empty("style:table-properties",
                    {{"style:width", mm(kTextWidthMm)}, {"table:align", "margins"}});
        part_.end();
        for (std::size_t c = 0; c < table->widths.size(); ++c) {
          part_.start("style:style",
                      {{"style:name", column_style(n, c)}, {"style:family", "table-column"}});
          part_.empty("style:table-column-properties",
                      {{"style:column-width", mm(kTextWidthMm * table->widths[c])}});
          part_.end();
        }
      }
    }
    const QString rule = pt(0.5) + " solid #000000";
    for (const bool right : {false, true}) {
      for (const bool bottom : {false, true}) {
        part_.start("style:style",
                    {{"style:name", cell_style(right, bottom)}, {"style:family", "table-cell"}});
        part_.empty("style:table-cell-properties", {{"fo:padding", mm(kCellPaddingMm)},
                                                    {"fo:border-left", rule},
                                                    {"fo:border-top", rule},
                                                    {"fo:border-right", right ? rule : "none"},
                                                    {"fo:border-bottom", bottom ? rule : "none"},
                                                    {"style:vertical-align", "middle"}});
        part_.end();
      }
    }
    part_.start("style:style", {{"style:name", "Row"}, {"style:family", "table-row"}});
    part_.empty("style:table-row-properties", {{"fo:keep-together", "always"}});
    part_.end();
    part_.start("style:style", {{"style:name", "RowToSign"}, {"style:family", "table-row"}});
    part_.empty("style:table-row-properties",
                {{"style:min-row-height", mm(kSignatureRowMm)}, {"fo:keep-together", "always"}});
    part_.end();
  }

  static QString column_style(std::size_t table, std::size_t column) {
    return "Table" + count(table) + ".C" + count(column + 1);
  }
  // A cell's paragraph style in the members' smaller size.
  static QString small_style(Role role) { return QString("Small_") + style_name(role); }

  static QString cell_style(bool right, bool bottom) {
    return QString("Cell") + (right ? "R" : "") + (bottom ? "B" : "");
  }

  void write_paragraph(const Paragraph& paragraph, const QString& style) {
    const int level = look_of(paragraph.role).outline_level;
    if (level > 0) {
      part_.start("text:h", {{"text:style-name", style}, {"text:outline-level", count(level)}});
    } else {
      part_.start("text:p", {{"text:style-name", style}});
    }
    if (!paragraph.bookmark.empty()) {
      part_.empty("text:bookmark", {{"text:name", text_of(paragraph.bookmark)}});
    }
    write_spans(part_, paragraph.spans, &spans_);
    part_.end();
  }

  void write_block(const Block& block) {
    if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
      write_paragraph(*paragraph, style_name(paragraph->role));
    } else if (const auto* table = std::get_if<Table>(&block)) {
      write_table(*table);
    } else if (const auto* picture = std::get_if<Picture>(&block)) {
      write_picture(*picture);
    }
  }

  void write_table(const Table& table) {
    ++tables_;
    part_.start("table:table", {{"table:name", "Table" + count(tables_)},
                                {"table:style-name", "Table" + count(tables_)}});
    for (std::size_t c = 0; c < table.widths.size(); ++c) {
      part_.empty("table:table-column", {{"table:style-name", column_style(tables_, c)}});
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      const bool head = r == 0 && table.header_row;
      if (head) part_.start("table:table-header-rows");
      part_.start("table:table-row",
                  {{"table:style-name", table.min_row_mm > 0 && !head ? "RowToSign" : "Row"}});
      const auto& row = table.rows[r];
      for (std::size_t c = 0; c < row.size(); ++c) {
        part_.start(
            "table:table-cell",
            {{"table:style-name", cell_style(c + 1 == row.size(), r + 1 == table.rows.size())},
             {"office:value-type", "string"}});
        if (row[c].empty()) write_paragraph({Role::Cell, {}}, style_name(Role::Cell));
        for (const Paragraph& paragraph : row[c]) {
          write_paragraph(paragraph,
                          table.small ? small_style(paragraph.role) : style_name(paragraph.role));
        }
        part_.end();
      }
      part_.end();
      if (head) part_.end();
    }
    part_.end();
  }

  void write_picture(const Picture& picture) {
    const ReportPicture& shown = pictures_.emplace_back(sketch_picture(picture.sketch));
    const QString n = count(pictures_.size());
    part_.start("text:p", {{"text:style-name", style_name(Role::Figure)}});
    part_.start("draw:frame", {{"draw:style-name", "Sketch"},
                               {"draw:name", text_of(picture.name) + " " + n},
                               {"text:anchor-type", "as-char"},
                               {"svg:width", mm(shown.width_mm)},
                               {"svg:height", mm(shown.height_mm)},
                               {"draw:z-index", "0"}});
    // The vector drawing first; a reader that cannot show it takes the image after it.
    for (const char* type : {".svg", ".png"}) {
      part_.empty("draw:image", {{"xlink:href", "Pictures/image" + n + type},
                                 {"xlink:type", "simple"},
                                 {"xlink:show", "embed"},
                                 {"xlink:actuate", "onLoad"}});
    }
    part_.end();
    part_.end();
  }

  const Outline& outline_;
  SpanStyles spans_;
  XmlPart part_;
  std::size_t tables_ = 0;
  std::vector<ReportPicture> pictures_;
};

// ---- styles.xml -------------------------------------------------------------

void write_font_faces(XmlPart& part) {
  part.start("office:font-face-decls");
  for (const char* face : {kSongFace, kLatinFace}) {
    part.empty("style:font-face", {{"style:name", face},
                                   {"svg:font-family", QString("'%1'").arg(face)},
                                   {"style:font-family-generic", "roman"},
                                   {"style:font-pitch", "variable"}});
  }
  part.end();
}

// Every script's face, size and weight: Western, Asian and complex alike.
void write_text_properties(XmlPart& part, const char* latin, const char* asian, double points,
                           bool bold, bool languages = false) {
  part.start("style:text-properties");
  QXmlStreamWriter& xml = part.xml();
  if (languages) {
    xml.writeAttribute("fo:language", "en");
    xml.writeAttribute("fo:country", "US");
    xml.writeAttribute("style:language-asian", "zh");
    xml.writeAttribute("style:country-asian", "CN");
  }
  if (latin) {
    xml.writeAttribute("style:font-name", latin);
    xml.writeAttribute("style:font-name-complex", latin);
  }
  if (asian) xml.writeAttribute("style:font-name-asian", asian);
  if (points > 0) {
    for (const char* size : {"fo:font-size", "style:font-size-asian", "style:font-size-complex"}) {
      xml.writeAttribute(size, pt(points));
    }
  }
  if (bold) {
    for (const char* weight :
         {"fo:font-weight", "style:font-weight-asian", "style:font-weight-complex"}) {
      xml.writeAttribute(weight, "bold");
    }
  }
  part.end();
}

void write_paragraph_style(XmlPart& part, const ParagraphLook& look) {
  part.start("style:style",
             {{"style:name", look.odf_name},
              {"style:display-name", look.odf_display},
              {"style:family", "paragraph"},
              {"style:parent-style-name", look.based_on ? style_name(*look.based_on) : "Standard"},
              {"style:class", "text"}});
  QXmlStreamWriter& xml = part.xml();
  if (look.outline_level > 0) {
    xml.writeAttribute("style:next-style-name", style_name(Role::Body));
    xml.writeAttribute("style:default-outline-level", count(look.outline_level));
  }
  part.start("style:paragraph-properties");
  if (look.centered) xml.writeAttribute("fo:text-align", "center");
  if (look.before_pt > 0) xml.writeAttribute("fo:margin-top", pt(look.before_pt));
  if (look.after_pt > 0) xml.writeAttribute("fo:margin-bottom", pt(look.after_pt));
  if (look.keep_with_next) xml.writeAttribute("fo:keep-with-next", "always");
  if (look.outline_level > 0) xml.writeAttribute("fo:keep-together", "always");
  if (look.hanging) {
    xml.writeAttribute("fo:margin-left", mm(kHangingIndentMm));
    xml.writeAttribute("fo:text-indent", mm(-kHangingIndentMm));
  }
  if (look.rule_below) {
    xml.writeAttribute("fo:border-bottom", pt(0.5) + " solid #000000");
    xml.writeAttribute("fo:padding-bottom", mm(0.5));
  }
  part.end();
  if (look.bold || look.points > 0) {
    // Headings name their Asian face themselves, as Word's heading styles do.
    const bool heading = look.outline_level > 0 || look.role == Role::Title;
    write_text_properties(part, nullptr, heading ? kSongFace : nullptr, look.points, look.bold);
  }
  part.end();
}

void write_page_layout(XmlPart& part) {
  // The header and footer lie inside the page's margins: 8 mm from the edge,
  // then the band, so the text starts about 15 mm in.
  part.start("office:automatic-styles");
  part.start("style:page-layout", {{"style:name", "A4"}});
  part.empty("style:page-layout-properties", {{"fo:page-width", mm(kPageWidthMm)},
                                              {"fo:page-height", mm(kPageHeightMm)},
                                              {"style:print-orientation", "portrait"},
                                              {"fo:margin-top", mm(kHeaderFooterMm)},
                                              {"fo:margin-bottom", mm(kHeaderFooterMm)},
                                              {"fo:margin-left", mm(kMarginLeftMm)},
                                              {"fo:margin-right", mm(kMarginMm)}});
  part.start("style:header-style");
  part.empty("style:header-footer-properties",
             {{"fo:min-height", mm(0)}, {"fo:margin-bottom", mm(2.5)}});
  part.end();
  part.start("style:footer-style");
  part.empty("style:header-footer-properties",
             {{"fo:min-height", mm(0)}, {"fo:margin-top", mm(2.5)}});
  part.end();
  part.end();
  part.end();
}

void write_footer(XmlPart& part) {
  part.start("style:footer");
  part.start("text:p", {{"text:style-name", style_name(Role::Footer)}});
  write_spans(part, spans_of("第 "), nullptr);
  part.start("text:page-number", {{"text:select-page", "current"}});
  part.xml().writeCharacters("1");
  part.end();
  write_spans(part, spans_of(" 页 共 "), nullptr);
  part.text_element("text:page-count", "1");
  write_spans(part, spans_of(" 页"), nullptr);
  part.end();
  part.end();
}

// One master page per part, each with its running header; all with the page footer.
void write_master_pages(XmlPart& part, const Outline& outline) {
  part.start("office:master-styles");
  std::vector<std::string> headers = {""};  // "Standard": the page before any part
  for (const Part& p : outline.parts) headers.push_back(header_line(p));
  for (std::size_t i = 0; i < headers.size(); ++i) {
    part.start("style:master-page",
               {{"style:name", i == 0 ? QString("Standard") : "Part" + count(i)},
                {"style:page-layout-name", "A4"}});
    if (i > 0) {
      part.start("style:header");
      part.start("text:p", {{"text:style-name", style_name(Role::Header)}});
      write_spans(part, spans_of(headers[i]), nullptr);
      part.end();
      part.end();
    }
    write_footer(part);
    part.end();
  }
  part.end();
}

QByteArray styles_part(const Outline& outline) {
  XmlPart part;
  start_root(part, "office:document-styles");
  write_font_faces(part);
  part.start("office:styles");
  part.start("style:default-style", {{"style:family", "paragraph"}});
  part.empty("style:paragraph-properties", {{"fo:line-height", "120%"}});
  write_text_properties(part, kLatinFace, kSongFace, kBodyPoints, false, true);
  part.end();
  part.empty("style:style",
             {{"style:name", "Standard"}, {"style:family", "paragraph"}, {"style:class", "text"}});
  for (const ParagraphLook& look : kParagraphLooks) write_paragraph_style(part, look);
  part.start("style:style",
             {{"style:name", "Latin"}, {"style:display-name", "西文"}, {"style:family", "text"}});
  part.empty("style:text-properties", {{"style:font-name", kLatinFace},
                                       {"style:font-name-asian", kLatinFace},
                                       {"style:font-name-complex", kLatinFace}});
  part.end();
  part.end();
  write_page_layout(part);
  write_master_pages(part, outline);
  part.end();
  return part.finish();
}

// ---- meta.xml and the manifest ----------------------------------------------

QByteArray meta_part(const std::string& title) {
  XmlPart part;
  start_root(part, "office:document-meta");
  part.start("office:meta");
  part.text_element("meta:generator", QStringLiteral("%1/%2").arg(kProgramName, kProgramVersion));
  part.text_element("dc:title", text_of(title));
  part.text_element("dc:language", "zh-CN");
  part.end();
  part.end();
  return part.finish();
}

QByteArray manifest_part(std::size_t pictures) {
  XmlPart part;
  part.start("manifest:manifest",
             {{"xmlns:manifest", "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"},
              {"manifest:version", kVersion}});
  const auto entry = [&part](const QString& path, const QString& type) {
    part.empty("manifest:file-entry",
               {{"manifest:full-path", path}, {"manifest:media-type", type}});
  };
  part.empty("manifest:file-entry", {{"manifest:full-path", "/"},
                                     {"manifest:version", kVersion},
                                     {"manifest:media-type", kMimeType}});
  entry("content.xml", "text/xml");
  entry("styles.xml", "text/xml");
  entry("meta.xml", "text/xml");
  for (std::size_t i = 1; i <= pictures; ++i) {
    entry("Pictures/image" + count(i) + ".svg", "image/svg+xml");
    entry("Pictures/image" + count(i) + ".png", "image/png");
  }
  part.end();
  return part.finish();
}

}  // namespace

QByteArray odt_bytes(const ReportBook& book) {
  const Outline outline = outline_of(book);
  const Content content = ContentWriter(outline).write();
  // The mimetype comes first and stored, so that a reader finds it at a fixed place.
  std::vector<PackagePart> parts = {
      {"mimetype", kMimeType, true},
      {"META-INF/manifest.xml", manifest_part(content.pictures.size())},
      {"content.xml", content.xml},
      {"styles.xml", styles_part(outline)},
      {"meta.xml", meta_part(outline.title)},
  };
  for (std::size_t i = 0; i < content.pictures.size(); ++i) {
    const std::string name = "Pictures/image" + std::to_string(i + 1);
    parts.push_back({name + ".svg", content.pictures[i].svg});
    parts.push_back({name + ".png", content.pictures[i].png, true});
  }
  return zip_package(parts);
}

}  // namespace platewise
