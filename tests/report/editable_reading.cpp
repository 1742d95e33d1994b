#include "editable_reading.h"

#include <zip.h>

#include <QDomDocument>
#include <cmath>
#include <optional>

#include "editable_style.h"
#include "report_text.h"

namespace platewise::testing {
namespace {

// ---- Marked text ------------------------------------------------------------

struct Run {
  std::string text;
  Script script = Script::Normal;
  std::string tone;  // "", "red", "amber", "alert"
};

void add_run(std::vector<Run>& runs, Run run) {
  if (!runs.empty() && runs.back().script == run.script && runs.back().tone == run.tone) {
    runs.back().text += run.text;
  } else if (!run.text.empty()) {
    runs.push_back(std::move(run));
  }
}

std::string marked(const std::vector<Run>& runs) {
  std::string text;
  for (const Run& run : runs) {
    std::string piece = run.script == Script::Sub     ? "_{" + run.text + "}"
                        : run.script == Script::Super ? "^{" + run.text + "}"
                                                      : run.text;
    text += run.tone.empty() ? piece : "{" + run.tone + ":" + piece + "}";
  }
  return text;
}

std::string tone_of(const QString& colour, bool bold) {
  const QString hex = colour.startsWith('#') ? colour.mid(1) : colour;
  if (hex.compare(editable::kRed, Qt::CaseInsensitive) == 0) return bold ? "alert" : "red";
  if (hex.compare(editable::kAmber, Qt::CaseInsensitive) == 0) return "amber";
  return "";
}

QDomDocument xml_of(const QByteArray& bytes) {
  QDomDocument document;
  document.setContent(bytes);
  return document;
}

std::vector<QDomElement> children(const QDomElement& parent, const QString& tag = {}) {
  std::vector<QDomElement> found;
  for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
    if (tag.isEmpty() || e.tagName() == tag) found.push_back(e);
  }
  return found;
}

std::vector<QDomElement> all(const QDomNode& root, const QString& tag) {
  std::vector<QDomElement> found;
  const QDomNodeList list = root.toElement().isNull() ? root.toDocument().elementsByTagName(tag)
                                                      : root.toElement().elementsByTagName(tag);
  for (int i = 0; i < list.size(); ++i) found.push_back(list.at(i).toElement());
  return found;
}

std::string mm_text(double mm) {
  const double rounded = std::round(mm * 10) / 10;
  return QString::number(rounded, 'g', 6).toStdString();
}

std::string table_row(const std::vector<std::string>& cells) {
  std::string row = "|";
  for (const std::string& cell : cells) row += " " + cell + " |";
  return row;
}

// ---- Word -------------------------------------------------------------------

const std::map<QString, std::string> kDocxTags = {{"Title", "T"},     {"Heading1", "H1"},
                                                  {"Heading2", "H2"}, {"CalcLine", "P"},
                                                  {"Centered", "C"},  {"Caption", "Cap"}};

std::string docx_text(const QDomElement& paragraph) {
  std::vector<Run> runs;
  for (const QDomElement& child : children(paragraph)) {
    if (child.tagName() == "w:fldSimple") {
      add_run(runs, {"{" + child.attribute("w:instr").trimmed().toStdString() + "}", {}, ""});
      continue;
    }
    if (child.tagName() != "w:r") continue;
    const QDomElement properties = child.firstChildElement("w:rPr");
    const QString align = properties.firstChildElement("w:vertAlign").attribute("w:val");
    Run run{"",
            align == "subscript"     ? Script::Sub
            : align == "superscript" ? Script::Super
                                     : Script::Normal,
            tone_of(properties.firstChildElement("w:color").attribute("w:val"),
                    !properties.firstChildElement("w:b").isNull())};
    for (const QDomElement& piece : children(child)) {
      if (piece.tagName() == "w:t") run.text += piece.text().toStdString();
      if (piece.tagName() == "w:br") run.text += "\n";
    }
    add_run(runs, std::move(run));
  }
  return marked(runs);
}

std::string docx_part_text(const QByteArray& part) {
  std::string text;
  for (const QDomElement& p : all(xml_of(part), "w:p")) text += docx_text(p);
  return text;
}

class DocxReader {
 public:
  explicit DocxReader(const QByteArray& package) : package_(package) {
    const QDomDocument rels = xml_of(package_part(package, "word/_rels/document.xml.rels"));
    for (const QDomElement& r : all(rels, "Relationship")) {
      targets_[r.attribute("Id")] = "word/" + r.attribute("Target").toStdString();
    }
  }

  std::vector<std::string> lines() {
    const QDomDocument document = xml_of(package_part(package_, "word/document.xml"));
    const QDomElement body = document.documentElement().firstChildElement("w:body");
    std::vector<std::string> lines, part;
    for (const QDomElement& block : children(body)) {
      const QDomElement section =
          block.tagName() == "w:sectPr"
              ? block
              : block.firstChildElement("w:pPr").firstChildElement("w:sectPr");
      if (!section.isNull()) {
        lines.push_back("=== " + referenced(section, "w:headerReference") + " / " +
                        referenced(section, "w:footerReference"));
        lines.insert(lines.end(), part.begin(), part.end());
        part.clear();
      } else if (block.tagName() == "w:tbl") {
        for (const QDomElement& row : children(block, "w:tr")) {
          std::vector<std::string> cells;
          for (const QDomElement& cell : children(row, "w:tc")) {
            std::string text;
            for (const QDomElement& p : children(cell, "w:p")) {
              text += (text.empty() ? "" : " / ") + docx_text(p);
            }
            cells.push_back(text);
          }
          part.push_back(table_row(cells));
        }
      } else if (block.tagName() == "w:p") {
        part.push_back(paragraph_line(block));
      }
    }
    return lines;
  }

 private:
  std::string referenced(const QDomElement& section, const QString& tag) {
    const QString id = section.firstChildElement(tag).attribute("r:id");
    return docx_part_text(package_part(package_, targets_[id]));
  }

  static std::string paragraph_line(const QDomElement& paragraph) {
    const QDomElement extent =
        all(paragraph, "wp:extent").empty() ? QDomElement() : all(paragraph, "wp:extent").front();
    if (!extent.isNull()) {
      return "[picture " + mm_text(extent.attribute("cx").toDouble() / 36000) + "x" +
             mm_text(extent.attribute("cy").toDouble() / 36000) + "mm]";
    }
    const QString style =
        paragraph.firstChildElement("w:pPr").firstChildElement("w:pStyle").attribute("w:val");
    const auto tag = kDocxTags.find(style);
    return (tag == kDocxTags.end() ? style.toStdString() : tag->second) + " " +
           docx_text(paragraph);
  }

  const QByteArray& package_;
  std::map<QString, std::string> targets_;
};

// ---- OpenDocument -----------------------------------------------------------

const std::map<QString, std::string> kOdtTags = {{"Title", "T"},         {"Heading_20_1", "H1"},
                                                 {"Heading_20_2", "H2"}, {"Calc_20_Line", "P"},
                                                 {"Centered", "C"},      {"Caption", "Cap"}};

struct OdtStyle {
  QString parent, master_page, position, colour;
  bool bold = false;
};

std::map<QString, OdtStyle> odt_styles(const QDomDocument& document) {
  std::map<QString, OdtStyle> styles;
  for (const QDomElement& s : all(document, "style:style")) {
    const QDomElement text = s.firstChildElement("style:text-properties");
    styles[s.attribute("style:name")] = {
        s.attribute("style:parent-style-name"), s.attribute("style:master-page-name"),
        text.attribute("style:text-position"), text.attribute("fo:color"),
        text.attribute("fo:font-weight") == "bold"};
  }
  return styles;
}

void odt_runs(const QDomNode& node, const OdtStyle& style, std::vector<Run>& runs,
              const std::map<QString, OdtStyle>& styles) {
  for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
    const Script script = style.position.startsWith("sub")     ? Script::Sub
                          : style.position.startsWith("super") ? Script::Super
                                                               : Script::Normal;
    const std::string tone = tone_of(style.colour, style.bold);
    if (child.isText()) {
      add_run(runs, {child.nodeValue().toStdString(), script, tone});
      continue;
    }
    const QDomElement e = child.toElement();
    if (e.tagName() == "text:span") {
      const auto found = styles.find(e.attribute("text:style-name"));
      odt_runs(e, found == styles.end() ? OdtStyle{} : found->second, runs, styles);
    } else if (e.tagName() == "text:s") {
      add_run(runs, {std::string(e.attribute("text:c", "1").toUInt(), ' '), script, tone});
    } else if (e.tagName() == "text:line-break") {
      add_run(runs, {"\n", script, tone});
    } else if (e.tagName() == "text:page-number") {
      add_run(runs, {"{PAGE}", {}, ""});
    } else if (e.tagName() == "text:page-count") {
      add_run(runs, {"{NUMPAGES}", {}, ""});
    }
  }
}

class OdtReader {
 public:
  explicit OdtReader(const QByteArray& package)
      : content_(xml_of(package_part(package, "content.xml"))),
        styles_doc_(xml_of(package_part(package, "styles.xml"))),
        styles_(odt_styles(content_)) {
    for (const auto& [name, style] : odt_styles(styles_doc_)) styles_.emplace(name, style);
  }

  std::vector<std::string> lines() const {
    std::vector<std::string> lines;
    const QDomElement text = all(content_, "office:text").front();
    for (const QDomElement& block : children(text)) {
      if (block.tagName() == "table:table") {
        for (const QDomElement& row : all(block, "table:table-row")) {
          std::vector<std::string> cells;
          for (const QDomElement& cell : children(row, "table:table-cell")) {
            std::string shown;
            for (const QDomElement& p : children(cell, "text:p")) {
              shown += (shown.empty() ? "" : " / ") + text_of(p);
            }
            cells.push_back(shown);
          }
          lines.push_back(table_row(cells));
        }
        continue;
      }
      const QString master = style(block.attribute("text:style-name")).master_page;
      if (!master.isEmpty()) lines.push_back("=== " + master_page(master));
      lines.push_back(paragraph_line(block));
    }
    return lines;
  }

  std::string master_page(const QString& name) const {
    for (const QDomElement& page : all(styles_doc_, "style:master-page")) {
      if (page.attribute("style:name") != name) continue;
      return text_of(all(page, "style:header").empty()
                         ? QDomElement()
                         : all(page, "style:header").front().firstChildElement("text:p")) +
             " / " + text_of(all(page, "style:footer").front().firstChildElement("text:p"));
    }
    return "(no master page " + name.toStdString() + ")";
  }

 private:
  OdtStyle style(const QString& name) const {
    const auto found = styles_.find(name);
    return found == styles_.end() ? OdtStyle{} : found->second;
  }

  std::string text_of(const QDomElement& paragraph) const {
    std::vector<Run> runs;
    odt_runs(paragraph, {}, runs, styles_);
    return marked(runs);
  }

  std::string paragraph_line(const QDomElement& paragraph) const {
    const QDomElement frame = paragraph.firstChildElement("draw:frame");
    if (!frame.isNull()) {
      return "[picture " + frame.attribute("svg:width").chopped(2).toStdString() + "x" +
             frame.attribute("svg:height").chopped(2).toStdString() + "mm]";
    }
    QString name = paragraph.attribute("text:style-name");
    while (!kOdtTags.contains(name) && !style(name).parent.isEmpty()) name = style(name).parent;
    const auto tag = kOdtTags.find(name);
    return (tag == kOdtTags.end() ? name.toStdString() : tag->second) + " " + text_of(paragraph);
  }

  QDomDocument content_, styles_doc_;
  std::map<QString, OdtStyle> styles_;
};

QDomElement odt_style(const QDomDocument& styles, const std::string& role) {
  if (role == "body") {
    for (const QDomElement& s : all(styles, "style:default-style")) {
      if (s.attribute("style:family") == "paragraph") return s;
    }
  }
  const QString display = role == "title"       ? "Title"
                          : role == "heading 1" ? "Heading 1"
                                                : "Heading 2";
  for (const QDomElement& s : all(styles, "style:style")) {
    if (s.attribute("style:display-name") == display) return s;
  }
  return {};
}

QDomElement docx_style(const QDomDocument& styles, const std::string& role) {
  if (role == "body") return all(styles, "w:rPrDefault").front();
  const QString name = role == "title" ? "Title" : QString::fromStdString(role);
  for (const QDomElement& s : all(styles, "w:style")) {
    if (s.firstChildElement("w:name").attribute("w:val") == name) return s;
  }
  return {};
}

}  // namespace

std::vector<PackageEntry> package_entries(const QByteArray& package) {
  std::vector<PackageEntry> entries;
  zip_source_t* source = zip_source_buffer_create(
      package.constData(), static_cast<zip_uint64_t>(package.size()), 0, nullptr);
  if (source == nullptr) return entries;
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, nullptr);
  if (archive == nullptr) {
    zip_source_free(source);
    return entries;
  }
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    const auto at = static_cast<zip_uint64_t>(i);
    zip_stat_t stat;
    zip_stat_index(archive, at, 0, &stat);
    PackageEntry entry{stat.name, stat.comp_method == ZIP_CM_STORE, {}};
    entry.bytes.resize(static_cast<qsizetype>(stat.size));
    if (zip_file_t* file = zip_fopen_index(archive, at, 0)) {
      zip_fread(file, entry.bytes.data(), stat.size);
      zip_fclose(file);
    }
    entries.push_back(std::move(entry));
  }
  zip_discard(archive);
  return entries;
}

QByteArray package_part(const QByteArray& package, const std::string& name) {
  for (PackageEntry& entry : package_entries(package)) {
    if (entry.name == name) return entry.bytes;
  }
  return {};
}

std::vector<std::string> document_lines(ReportFormat format, const QByteArray& package) {
  return format == ReportFormat::Docx ? DocxReader(package).lines() : OdtReader(package).lines();
}

std::string style_summary(ReportFormat format, const QByteArray& package, const std::string& role) {
  std::string face, latin, size, language;
  bool bold = false;
  if (format == ReportFormat::Docx) {
    const QDomElement style = docx_style(xml_of(package_part(package, "word/styles.xml")), role);
    const QDomElement run = style.firstChildElement("w:rPr");
    face = run.firstChildElement("w:rFonts").attribute("w:eastAsia").toStdString();
    latin = run.firstChildElement("w:rFonts").attribute("w:ascii").toStdString();
    bold = !run.firstChildElement("w:b").isNull();
    size = mm_text(run.firstChildElement("w:sz").attribute("w:val").toDouble() / 2) + "pt";
    language = run.firstChildElement("w:lang").attribute("w:eastAsia").toStdString();
  } else {
    const QDomElement style = odt_style(xml_of(package_part(package, "styles.xml")), role);
    const QDomElement text = style.firstChildElement("style:text-properties");
    face = text.attribute("style:font-name-asian").toStdString();
    latin = text.attribute("style:font-name").toStdString();
    // Chinese is set in the Asian properties: bold and size must be there as well.
    bold = text.attribute("fo:font-weight") == "bold" &&
           text.attribute("style:font-weight-asian") == "bold";
    if (text.attribute("fo:font-size") == text.attribute("style:font-size-asian")) {
      size = text.attribute("fo:font-size").toStdString();
    }
    if (text.hasAttribute("style:language-asian")) {
      language =
          (text.attribute("style:language-asian") + "-" + text.attribute("style:country-asian"))
              .toStdString();
    }
  }
  std::string summary = role + ": Song " + face;
  if (role == "body") summary += ", Latin " + latin;
  if (bold) summary += ", bold";
  summary += ", " + size;
  if (role == "body") summary += ", " + language;
  return summary;
}

}  // namespace platewise::testing
