// WordprocessingML, written part by part. Word reads the children of its
// property elements (rPr, pPr, tblPr, sectPr, styles) only in the order its
// schema gives, so each is written in that order.

#include "docx_writer.h"

#include <cmath>
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

constexpr char kW[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr char kR[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr char kWp[] = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
constexpr char kA[] = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr char kPic[] = "http://schemas.openxmlformats.org/drawingml/2006/picture";
constexpr char kRelationships[] = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr char kOfficeRelation[] =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr char kWordType[] = "application/vnd.openxmlformats-officedocument.wordprocessingml.";

QString text_of(const std::string& utf8) { return QString::fromStdString(utf8); }
QString number(long long value) { return QString::number(value); }
QString count(std::size_t n) { return QString::number(n); }
long long twips(double millimetres) { return std::llround(millimetres / 25.4 * 1440); }
long long half_points(double points) { return std::llround(points * 2); }
long long emu(double millimetres) { return std::llround(millimetres * 36000); }

// Writes w:t, a break for each line end in the text.
void write_text(XmlPart& part, const QString& text) {
  const QStringList lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) part.empty("w:br");
    part.start("w:t", {{"xml:space", "preserve"}});
    part.xml().writeCharacters(lines[i]);
    part.end();
  }
}

void write_run(XmlPart& part, const Span& span, bool small) {
  part.start("w:r");
  part.start("w:rPr");
  if (span.face == Face::Latin) part.empty("w:rStyle", {{"w:val", "Latin"}});
  if (span.tone == Tone::Alert) {
    part.empty("w:b");
    part.empty("w:bCs");
  }
  if (const char* rgb = tone_colour(span.tone)) part.empty("w:color", {{"w:val", rgb + 1}});
  if (small) {
    part.empty("w:sz", {{"w:val", number(half_points(kMembersPoints))}});
    part.empty("w:szCs", {{"w:val", number(half_points(kMembersPoints))}});
  }
  if (span.script != Script::Normal) {
    part.empty("w:vertAlign",
               {{"w:val", span.script == Script::Sub ? "subscript" : "superscript"}});
  }
  part.end();
  write_text(part, text_of(span.text));
  part.end();
}

// A span that is the page of a bookmark: a PAGEREF field, its last result the span's text.
void write_page_field(XmlPart& part, const Span& span, bool small) {
  part.start("w:fldSimple", {{"w:instr", " PAGEREF " + text_of(span.page_of) + " \\h "}});
  write_run(part, span, small);
  part.end();
}

void write_paragraph(XmlPart& part, const Paragraph& paragraph, bool small = false) {
  part.start("w:p");
  part.start("w:pPr");
  part.empty("w:pStyle", {{"w:val", look_of(paragraph.role).word_id}});
  part.end();
  // A bookmark's id, made from its name (the names are unique in a book).
  const QString id = QString::number(qHash(text_of(paragraph.bookmark), 0) & 0x7fffffff);
  if (!paragraph.bookmark.empty()) {
    part.empty("w:bookmarkStart", {{"w:id", id}, {"w:name", text_of(paragraph.bookmark)}});
  }
  for (const Span& span : paragraph.spans) {
    if (span.page_of.empty()) {
      write_run(part, span, small);
    } else {
      write_page_field(part, span, small);
    }
  }
  if (!paragraph.bookmark.empty()) part.empty("w:bookmarkEnd", {{"w:id", id}});
  part.end();
}

void write_border(XmlPart& part, const char* side) {
  part.empty(side, {{"w:val", "single"}, {"w:sz", "4"}, {"w:space", "0"}, {"w:color", "000000"}});
}

// Thin single rules around and between all cells.
void write_table_borders(XmlPart& part) {
  part.start("w:tblBorders");
  for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
    write_border(part, side);
  }
  part.end();
}

void write_table(XmlPart& part, const Table& table) {
  std::vector<long long> widths;
  for (const double share : table.widths) widths.push_back(twips(kTextWidthMm * share));
  long long total = 0;
  for (const long long width : widths) total += width;

  part.start("w:tbl");
  part.start("w:tblPr");
  part.empty("w:tblStyle", {{"w:val", "TableGrid"}});
  part.empty("w:tblW", {{"w:w", number(total)}, {"w:type", "dxa"}});
  write_table_borders(part);
  part.empty("w:tblLayout", {{"w:type", "fixed"}});
  part.start("w:tblCellMar");
  for (const char* side : {"w:top", "w:left", "w:bottom", "w:right"}) {
    part.empty(side, {{"w:w", number(twips(kCellPaddingMm))}, {"w:type", "dxa"}});
  }
  part.end();
  part.end();
  part.start("w:tblGrid");
  for (const long long width : widths) part.empty("w:gridCol", {{"w:w", number(width)}});
  part.end();
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    part.start("w:tr");
    part.start("w:trPr");
    part.empty("w:cantSplit");
    if (table.min_row_mm > 0) {
      part.empty("w:trHeight",
                 {{"w:val", number(twips(table.min_row_mm))}, {"w:hRule", "atLeast"}});
    }
    if (r == 0 && table.header_row) part.empty("w:tblHeader");
    part.end();
    const auto& row = table.rows[r];
    for (std::size_t c = 0; c < row.size(); ++c) {
      part.start("w:tc");
      part.start("w:tcPr");
      part.empty("w:tcW", {{"w:w", number(c < widths.size() ? widths[c] : 0)}, {"w:type", "dxa"}});
      part.empty("w:vAlign", {{"w:val", "center"}});
      part.end();
      if (row[c].empty()) write_paragraph(part, {Role::Cell, {}}, table.small);
      for (const Paragraph& paragraph : row[c]) write_paragraph(part, paragraph, table.small);
      part.end();
    }
    part.end();
  }
  part.end();
}

void write_picture(XmlPart& part, const Picture& picture, const ReportPicture& shown,
                   int number_of_picture) {
  const QString cx = number(emu(shown.width_mm));
  const QString cy = number(emu(shown.height_mm));
  const QString id = number(number_of_picture);
  part.start("w:p");
  part.start("w:pPr");
  part.empty("w:pStyle", {{"w:val", look_of(Role::Figure).word_id}});
  part.end();
  part.start("w:r");
  part.start("w:drawing");
  part.start("wp:inline", {{"distT", "0"}, {"distB", "0"}, {"distL", "0"}, {"distR", "0"}});
  part.empty("wp:extent", {{"cx", cx}, {"cy", cy}});
  part.empty("wp:docPr", {{"id", id}, {"name", text_of(picture.name) + " " + id}});
  part.start("wp:cNvGraphicFramePr");
  part.empty("a:graphicFrameLocks", {{"noChangeAspect", "1"}});
  part.end();
  part.start("a:graphic");
  part.start("a:graphicData", {{"uri", kPic}});
  part.start("pic:pic");
  part.start("pic:nvPicPr");
  part.empty("pic:cNvPr", {{"id", id}, {"name", "image" + id + ".png"}});
  part.empty("pic:cNvPicPr");
  part.end();
  part.start("pic:blipFill");
  part.empty("a:blip", {{"r:embed", "rIdImage" + id}});
  part.start("a:stretch");
  part.empty("a:fillRect");
  part.end();
  part.end();
  part.start("pic:spPr");
  part.start("a:xfrm");
  part.empty("a:off", {{"x", "0"}, {"y", "0"}});
  part.empty("a:ext", {{"cx", cx}, {"cy", cy}});
  part.end();
  part.start("a:prstGeom", {{"prst", "rect"}});
  part.empty("a:avLst");
  part.end();
  part.end();
  part.end();  // pic:pic
  part.end();  // a:graphicData
  part.end();  // a:graphic
  part.end();  // wp:inline
  part.end();  // w:drawing
  part.end();  // w:r
  part.end();  // w:p
}

// A4 with the binding margin; part `index` has header `index + 1`, all share the footer.
void write_section(XmlPart& part, std::size_t index) {
  part.start("w:sectPr");
  part.empty("w:headerReference",
             {{"w:type", "default"}, {"r:id", "rIdHeader" + count(index + 1)}});
  part.empty("w:footerReference", {{"w:type", "default"}, {"r:id", "rIdFooter"}});
  part.empty("w:type", {{"w:val", "nextPage"}});
  part.empty("w:pgSz",
             {{"w:w", number(twips(kPageWidthMm))}, {"w:h", number(twips(kPageHeightMm))}});
  part.empty("w:pgMar", {{"w:top", number(twips(kMarginMm))},
                         {"w:right", number(twips(kMarginMm))},
                         {"w:bottom", number(twips(kMarginMm))},
                         {"w:left", number(twips(kMarginLeftMm))},
                         {"w:header", number(twips(kHeaderFooterMm))},
                         {"w:footer", number(twips(kHeaderFooterMm))},
                         {"w:gutter", "0"}});
  part.end();
}

struct Document {
  QByteArray xml;
  std::vector<QByteArray> pictures;  // PNG, in the order of their numbers
};

Document document_part(const Outline& outline) {
  XmlPart part;
  part.start(
      "w:document",
      {{"xmlns:w", kW}, {"xmlns:r", kR}, {"xmlns:wp", kWp}, {"xmlns:a", kA}, {"xmlns:pic", kPic}});
  part.start("w:body");
  Document document;
  for (std::size_t i = 0; i < outline.parts.size(); ++i) {
    for (const Block& block : outline.parts[i].blocks) {
      if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
        write_paragraph(part, *paragraph);
      } else if (const auto* table = std::get_if<Table>(&block)) {
        write_table(part, *table);
      } else if (const auto* picture = std::get_if<Picture>(&block)) {
        const ReportPicture shown = sketch_picture(picture->sketch);
        document.pictures.push_back(shown.png);
        write_picture(part, *picture, shown, static_cast<int>(document.pictures.size()));
      }
    }
    // A part's section ends with its last paragraph; the last section with the body.
    if (i + 1 < outline.parts.size()) {
      part.start("w:p");
      part.start("w:pPr");
      write_section(part, i);
      part.end();
      part.end();
    } else {
      write_section(part, i);
    }
  }
  if (outline.parts.empty()) write_section(part, 0);
  document.xml = part.finish();
  return document;
}

void write_fonts(XmlPart& part, const QString& east_asia) {
  part.empty("w:rFonts", {{"w:ascii", kLatinFace},
                          {"w:hAnsi", kLatinFace},
                          {"w:eastAsia", east_asia},
                          {"w:cs", kLatinFace}});
}

void write_size(XmlPart& part, double points) {
  part.empty("w:sz", {{"w:val", number(half_points(points))}});
  part.empty("w:szCs", {{"w:val", number(half_points(points))}});
}

void write_paragraph_style(XmlPart& part, const ParagraphLook& look) {
  part.start("w:style", {{"w:type", "paragraph"}, {"w:styleId", look.word_id}});
  part.empty("w:name", {{"w:val", look.word_name}});
  part.empty("w:basedOn", {{"w:val", look.based_on ? look_of(*look.based_on).word_id : "Normal"}});
  if (look.outline_level > 0) part.empty("w:next", {{"w:val", look_of(Role::Body).word_id}});
  part.empty("w:qFormat");
  part.start("w:pPr");
  if (look.keep_with_next) part.empty("w:keepNext");
  if (look.outline_level > 0) part.empty("w:keepLines");
  if (look.rule_below) {
    part.start("w:pBdr");
    part.empty("w:bottom",
               {{"w:val", "single"}, {"w:sz", "4"}, {"w:space", "1"}, {"w:color", "000000"}});
    part.end();
  }
  if (look.before_pt > 0 || look.after_pt > 0) {
    part.empty("w:spacing", {{"w:before", number(std::llround(look.before_pt * 20))},
                             {"w:after", number(std::llround(look.after_pt * 20))}});
  }
  if (look.hanging) {
    const QString indent = number(twips(kHangingIndentMm));
    part.empty("w:ind", {{"w:left", indent}, {"w:hanging", indent}});
  }
  if (look.centered) part.empty("w:jc", {{"w:val", "center"}});
  if (look.outline_level > 0) {
    part.empty("w:outlineLvl", {{"w:val", number(look.outline_level - 1)}});
  }
  part.end();
  if (look.bold || look.points > 0) {
    part.start("w:rPr");
    // Headings name their East Asian face themselves.
    if (look.outline_level > 0 || look.role == Role::Title) write_fonts(part, kSongFace);
    if (look.bold) {
      part.empty("w:b");
      part.empty("w:bCs");
    }
    if (look.points > 0) write_size(part, look.points);
    part.end();
  }
  part.end();
}

QByteArray styles_part() {
  XmlPart part;
  part.start("w:styles", {{"xmlns:w", kW}});
  part.start("w:docDefaults");
  part.start("w:rPrDefault");
  part.start("w:rPr");
  write_fonts(part, kSongFace);
  write_size(part, kBodyPoints);
  part.empty("w:lang", {{"w:val", "en-US"}, {"w:eastAsia", "zh-CN"}, {"w:bidi", "ar-SA"}});
  part.end();
  part.end();
  part.start("w:pPrDefault");
  part.start("w:pPr");
  part.empty("w:spacing", {{"w:after", "0"}, {"w:line", "288"}, {"w:lineRule", "auto"}});
  part.end();
  part.end();
  part.end();
  part.start("w:style", {{"w:type", "paragraph"}, {"w:default", "1"}, {"w:styleId", "Normal"}});
  part.empty("w:name", {{"w:val", "Normal"}});
  part.empty("w:qFormat");
  part.end();
  for (const ParagraphLook& look : kParagraphLooks) write_paragraph_style(part, look);

  // Letters, digits, Greek and symbols in the serif, whatever script Word takes them for.
  part.start("w:style", {{"w:type", "character"}, {"w:styleId", "Latin"}});
  part.empty("w:name", {{"w:val", "西文"}});
  part.start("w:rPr");
  write_fonts(part, kLatinFace);
  part.end();
  part.end();

  part.start("w:style", {{"w:type", "table"}, {"w:styleId", "TableGrid"}});
  part.empty("w:name", {{"w:val", "Table Grid"}});
  part.start("w:tblPr");
  write_table_borders(part);
  part.end();
  part.end();
  part.end();
  return part.finish();
}

QByteArray settings_part() {
  XmlPart part;
  part.start("w:settings", {{"xmlns:w", kW}});
  part.empty("w:zoom", {{"w:percent", "100"}});
  part.empty("w:defaultTabStop", {{"w:val", "420"}});
  part.empty("w:characterSpacingControl", {{"w:val", "compressPunctuation"}});
  part.start("w:compat");
  part.empty("w:compatSetting", {{"w:name", "compatibilityMode"},
                                 {"w:uri", "http://schemas.microsoft.com/office/word"},
                                 {"w:val", "15"}});
  part.end();
  part.empty("w:themeFontLang", {{"w:val", "en-US"}, {"w:eastAsia", "zh-CN"}});
  part.end();
  return part.finish();
}

// The faces, with what Word looks for when one is missing.
QByteArray font_table_part() {
  XmlPart part;
  part.start("w:fonts", {{"xmlns:w", kW}});
  part.start("w:font", {{"w:name", kSongFace}});
  part.empty("w:altName", {{"w:val", kSongAltNames}});
  part.empty("w:panose1", {{"w:val", "02010600030101010101"}});
  part.empty("w:charset", {{"w:val", "86"}});  // GB2312
  part.empty("w:family", {{"w:val", "roman"}});
  part.empty("w:pitch", {{"w:val", "variable"}});
  part.end();
  part.start("w:font", {{"w:name", kLatinFace}});
  part.empty("w:panose1", {{"w:val", "02020603050405020304"}});
  part.empty("w:charset", {{"w:val", "00"}});
  part.empty("w:family", {{"w:val", "roman"}});
  part.empty("w:pitch", {{"w:val", "variable"}});
  part.end();
  part.end();
  return part.finish();
}

QByteArray header_part(const std::string& running_header) {
  XmlPart part;
  part.start("w:hdr", {{"xmlns:w", kW}, {"xmlns:r", kR}});
  part.start("w:p");
  part.start("w:pPr");
  part.empty("w:pStyle", {{"w:val", look_of(Role::Header).word_id}});
  part.end();
  for (const Span& span : spans_of(running_header)) write_run(part, span, false);
  part.end();
  part.end();
  return part.finish();
}

void write_field(XmlPart& part, const char* instruction) {
  part.start("w:fldSimple", {{"w:instr", instruction}});
  write_run(part, {"1", Script::Normal, Face::Latin, Tone::Plain}, false);
  part.end();
}

// "第 PAGE 页 共 NUMPAGES 页"
QByteArray footer_part() {
  XmlPart part;
  part.start("w:ftr", {{"xmlns:w", kW}, {"xmlns:r", kR}});
  part.start("w:p");
  part.start("w:pPr");
  part.empty("w:pStyle", {{"w:val", look_of(Role::Footer).word_id}});
  part.end();
  const auto words = [&part](const char* text) {
    for (const Span& span : spans_of(text)) write_run(part, span, false);
  };
  words("第 ");
  write_field(part, " PAGE ");
  words(" 页 共 ");
  write_field(part, " NUMPAGES ");
  words(" 页");
  part.end();
  part.end();
  return part.finish();
}

QByteArray core_part(const std::string& title) {
  XmlPart part;
  part.start(
      "cp:coreProperties",
      {{"xmlns:cp", "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"},
       {"xmlns:dc", "http://purl.org/dc/elements/1.1/"}});
  part.text_element("dc:title", text_of(title));
  part.text_element("dc:creator", QStringLiteral("%1 %2").arg(kProgramName, kProgramVersion));
  part.text_element("dc:language", "zh-CN");
  part.end();
  return part.finish();
}

void write_relationship(XmlPart& part, const QString& id, const QString& type,
                        const QString& target) {
  part.empty("Relationship", {{"Id", id}, {"Type", type}, {"Target", target}});
}

QByteArray package_relationships() {
  XmlPart part;
  part.start("Relationships", {{"xmlns", kRelationships}});
  write_relationship(part, "rIdDocument", QString(kOfficeRelation) + "officeDocument",
                     "word/document.xml");
  write_relationship(part, "rIdCore",
                     "http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
                     "core-properties",
                     "docProps/core.xml");
  part.end();
  return part.finish();
}

QByteArray document_relationships(std::size_t headers, std::size_t pictures) {
  XmlPart part;
  part.start("Relationships", {{"xmlns", kRelationships}});
  const QString type = kOfficeRelation;
  write_relationship(part, "rIdStyles", type + "styles", "styles.xml");
  write_relationship(part, "rIdSettings", type + "settings", "settings.xml");
  write_relationship(part, "rIdFonts", type + "fontTable", "fontTable.xml");
  write_relationship(part, "rIdFooter", type + "footer", "footer1.xml");
  for (std::size_t i = 1; i <= headers; ++i) {
    write_relationship(part, "rIdHeader" + count(i), type + "header", "header" + count(i) + ".xml");
  }
  for (std::size_t i = 1; i <= pictures; ++i) {
    write_relationship(part, "rIdImage" + count(i), type + "image",
                       "media/image" + count(i) + ".png");
  }
  part.end();
  return part.finish();
}

QByteArray content_types(std::size_t headers) {
  XmlPart part;
  part.start("Types", {{"xmlns", "http://schemas.openxmlformats.org/package/2006/content-types"}});
  part.empty("Default",
             {{"Extension", "rels"},
              {"ContentType", "application/vnd.openxmlformats-package.relationships+xml"}});
  part.empty("Default", {{"Extension", "xml"}, {"ContentType", "application/xml"}});
  part.empty("Default", {{"Extension", "png"}, {"ContentType", "image/png"}});
  const auto override_part = [&part](const QString& name, const QString& type) {
    part.empty("Override", {{"PartName", name}, {"ContentType", type}});
  };
  const QString word = kWordType;
  override_part("/word/document.xml", word + "document.main+xml");
  override_part("/word/styles.xml", word + "styles+xml");
  override_part("/word/settings.xml", word + "settings+xml");
  override_part("/word/fontTable.xml", word + "fontTable+xml");
  override_part("/word/footer1.xml", word + "footer+xml");
  for (std::size_t i = 1; i <= headers; ++i) {
    override_part("/word/header" + count(i) + ".xml", word + "header+xml");
  }
  override_part("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
  part.end();
  return part.finish();
}

}  // namespace

QByteArray docx_bytes(const ReportBook& book) {
  const Outline outline = outline_of(book);
  const Document document = document_part(outline);
  const std::size_t headers = std::max<std::size_t>(outline.parts.size(), 1);
  std::vector<PackagePart> parts = {
      {"[Content_Types].xml", content_types(headers)},
      {"_rels/.rels", package_relationships()},
      {"docProps/core.xml", core_part(outline.title)},
      {"word/document.xml", document.xml},
      {"word/_rels/document.xml.rels", document_relationships(headers, document.pictures.size())},
      {"word/styles.xml", styles_part()},
      {"word/settings.xml", settings_part()},
      {"word/fontTable.xml", font_table_part()},
      {"word/footer1.xml", footer_part()},
  };
  for (std::size_t i = 0; i < headers; ++i) {
    const std::string header = i < outline.parts.size() ? header_line(outline.parts[i]) : "";
    parts.push_back({"word/header" + std::to_string(i + 1) + ".xml", header_part(header)});
  }
  for (std::size_t i = 0; i < document.pictures.size(); ++i) {
    // PNG is compressed already.
    parts.push_back(
        {"word/media/image" + std::to_string(i + 1) + ".png", document.pictures[i], true});
  }
  return zip_package(parts);
}

}  // namespace platewise
