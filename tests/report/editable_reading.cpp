#include "editable_reading.h"

#include <zip.h>

#include <QDomDocument>
#include <QStringList>
#include <cmath>
#include <map>

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
  const auto is = [&hex](outline::Tone tone) {
    return hex.compare(outline::tone_colour(tone) + 1, Qt::CaseInsensitive) == 0;
  };
  if (is(outline::Tone::NotSatisfied)) return bold ? "alert" : "red";
  if (is(outline::Tone::Attention)) return "amber";
  if (is(outline::Tone::Satisfied)) return "green";
  return "";
}

Script script_of(const QString& position) {
  return position.startsWith("sub")     ? Script::Sub
         : position.startsWith("super") ? Script::Super
                                        : Script::Normal;
}

// ---- XML --------------------------------------------------------------------

std::vector<QDomElement> children(const QDomElement& parent, const QString& tag = {}) {
  std::vector<QDomElement> found;
  for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
    if (tag.isEmpty() || e.tagName() == tag) found.push_back(e);
  }
  return found;
}

template <class Node>  // QDomDocument or QDomElement
std::vector<QDomElement> all(const Node& root, const QString& tag) {
  const QDomNodeList list = root.elementsByTagName(tag);
  std::vector<QDomElement> found;
  for (int i = 0; i < list.size(); ++i) found.push_back(list.at(i).toElement());
  return found;
}

template <class Node>
QDomElement first(const Node& root, const QString& tag) {
  return root.elementsByTagName(tag).at(0).toElement();
}

std::string picture_line(double width_mm, double height_mm) {
  const auto shown = [](double mm) {
    return QString::number(std::round(mm * 10) / 10, 'g', 6).toStdString();
  };
  return "[picture " + shown(width_mm) + "x" + shown(height_mm) + "mm]";
}

// The Word id of the paragraph style with this ODF name; nullptr for another name.
const char* word_id(const QString& odf_name) {
  for (const editable::ParagraphLook& look : editable::kParagraphLooks) {
    if (odf_name == look.odf_name) return look.word_id;
  }
  return nullptr;
}

// ---- Looks ------------------------------------------------------------------

// How a run or a style sets its text, as far as the tests look.
struct Look {
  Script script = Script::Normal;
  std::string tone;
  QString cjk, latin, size, language;  // faces, "10.5pt", "zh-CN"
  bool bold = false;
};

// Word's run properties, of a run or a style.
Look docx_look(const QDomElement& properties) {
  const QDomElement fonts = properties.firstChildElement("w:rFonts");
  const QString half_points = properties.firstChildElement("w:sz").attribute("w:val");
  const bool bold = !properties.firstChildElement("w:b").isNull();
  return {script_of(properties.firstChildElement("w:vertAlign").attribute("w:val")),
          tone_of(properties.firstChildElement("w:color").attribute("w:val"), bold),
          fonts.attribute("w:eastAsia"),
          fonts.attribute("w:ascii"),
          half_points.isEmpty() ? "" : QString::number(half_points.toDouble() / 2) + "pt",
          properties.firstChildElement("w:lang").attribute("w:eastAsia"),
          bold};
}

// ODF's text properties. Chinese is set in the Asian ones: a weight or a
// size counts where both agree.
Look odt_look(const QDomElement& text) {
  const QString size = text.attribute("fo:font-size");
  const QString language = text.attribute("style:language-asian");
  return {script_of(text.attribute("style:text-position")),
          tone_of(text.attribute("fo:color"), text.attribute("fo:font-weight") == "bold"),
          text.attribute("style:font-name-asian"),
          text.attribute("style:font-name"),
          size == text.attribute("style:font-size-asian") ? size : "(sizes differ)",
          language.isEmpty() ? "" : language + "-" + text.attribute("style:country-asian"),
          text.attribute("fo:font-weight") == "bold" &&
              text.attribute("style:font-weight-asian") == "bold"};
}

// What a style sets; the face for Latin text and the language only for the defaults.
std::string summary(const Look& look, bool defaults) {
  QStringList shown;
  if (!look.cjk.isEmpty()) shown << "CJK " + look.cjk;
  if (defaults) shown << "Latin " + look.latin;
  if (look.bold) shown << "bold";
  if (!look.size.isEmpty()) shown << look.size;
  if (defaults) shown << look.language;
  return shown.join(", ").toStdString();
}

// ---- Both formats -----------------------------------------------------------

// The body of either format, the two told apart only where they differ: a
// Word part ends with its section's properties, which name its header and
// footer; an ODF part starts at a paragraph whose style names a master page.
class Reader {
 public:
  Reader(ReportFormat format, const QByteArray& package)
      : docx_(format == ReportFormat::Docx), package_(package) {
    for (const QDomElement& r : all(xml("word/_rels/document.xml.rels"), "Relationship")) {
      targets_[r.attribute("Id")] = "word/" + r.attribute("Target").toStdString();
    }
    for (const char* part : {"content.xml", "styles.xml"}) {
      for (const QDomElement& s : all(xml(part), "style:style")) {
        styles_[s.attribute("style:name")] = {
            s.attribute("style:parent-style-name"), s.attribute("style:master-page-name"),
            odt_look(s.firstChildElement("style:text-properties"))};
      }
    }
  }

  std::vector<std::string> lines() const {
    const QDomElement title = first(xml(docx_ ? "docProps/core.xml" : "meta.xml"), "dc:title");
    std::vector<std::string> lines = {"document title: " + title.text().toStdString()};
    std::size_t part_start = lines.size();
    const QDomDocument body = xml(docx_ ? "word/document.xml" : "content.xml");
    for (const QDomElement& block : children(first(body, docx_ ? "w:body" : "office:text"))) {
      const QDomElement section = block.tagName() == "w:sectPr" ? block : first(block, "w:sectPr");
      if (!section.isNull()) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(part_start),
                     "=== " + referenced(section, "w:headerReference") + " / " +
                         referenced(section, "w:footerReference"));
        part_start = lines.size();
        continue;
      }
      const QString master = style(block.attribute("text:style-name")).master_page;
      if (!master.isEmpty()) lines.push_back("=== " + master_page(master));
      const QDomElement extent = first(block, "wp:extent");
      const QDomElement frame = block.firstChildElement("draw:frame");
      if (block.tagName() == "w:tbl" || block.tagName() == "table:table") {
        add_rows(lines, block);
      } else if (!extent.isNull()) {
        lines.push_back(picture_line(extent.attribute("cx").toDouble() / 36000,
                                     extent.attribute("cy").toDouble() / 36000));
      } else if (!frame.isNull()) {
        lines.push_back(picture_line(frame.attribute("svg:width").chopped(2).toDouble(),
                                     frame.attribute("svg:height").chopped(2).toDouble()));
      } else {
        lines.push_back(style_id(block) + " " + text_of(block));
      }
    }
    return lines;
  }

  // How the styles set their text, those that set any, the defaults first.
  std::vector<std::string> styles() const {
    std::vector<std::string> lines;
    const auto add = [&lines](const QString& name, const Look& look, bool defaults = false) {
      const std::string shown = summary(look, defaults);
      if (!shown.empty()) lines.push_back(name.toStdString() + ": " + shown);
    };
    if (docx_) {
      const QDomDocument styles = xml("word/styles.xml");
      add("defaults", docx_look(first(styles, "w:rPrDefault").firstChildElement("w:rPr")), true);
      for (const QDomElement& s : all(styles, "w:style")) {
        add(s.attribute("w:styleId"), docx_look(s.firstChildElement("w:rPr")));
      }
      return lines;
    }
    const QDomDocument styles = xml("styles.xml");
    const QDomElement defaults = first(styles, "style:default-style");  // of paragraphs
    add("defaults", odt_look(defaults.firstChildElement("style:text-properties")), true);
    for (const QDomElement& s : all(styles, "style:style")) {
      const QString name = s.attribute("style:name");
      add(word_id(name) ? word_id(name) : name,
          odt_look(s.firstChildElement("style:text-properties")));
    }
    return lines;
  }

 private:
  struct OdtStyle {
    QString parent, master_page;
    Look look;
  };

  QDomDocument xml(const std::string& part) const {
    QDomDocument document;
    document.setContent(package_part(package_, part));
    return document;
  }

  OdtStyle style(const QString& name) const {
    const auto found = styles_.find(name);
    return found == styles_.end() ? OdtStyle{} : found->second;
  }

  std::string style_id(const QDomElement& paragraph) const {
    if (docx_) {
      return paragraph.firstChildElement("w:pPr")
          .firstChildElement("w:pStyle")
          .attribute("w:val")
          .toStdString();
    }
    QString name = paragraph.attribute("text:style-name");
    while (!word_id(name) && !style(name).parent.isEmpty()) name = style(name).parent;
    return word_id(name) ? word_id(name) : name.toStdString();
  }

  // The text of the Word header or footer a section refers to.
  std::string referenced(const QDomElement& section, const QString& tag) const {
    const auto target = targets_.find(section.firstChildElement(tag).attribute("r:id"));
    return target == targets_.end() ? "(none)" : text_of(first(xml(target->second), "w:p"));
  }

  // The header and footer of an ODF master page.
  std::string master_page(const QString& name) const {
    for (const QDomElement& page : all(xml("styles.xml"), "style:master-page")) {
      if (page.attribute("style:name") == name) {
        return text_of(first(page, "style:header").firstChildElement("text:p")) + " / " +
               text_of(first(page, "style:footer").firstChildElement("text:p"));
      }
    }
    return "(no master page " + name.toStdString() + ")";
  }

  // A table's rows, "| cell | cell |", the paragraphs of a cell joined by " / ".
  void add_rows(std::vector<std::string>& lines, const QDomElement& table) const {
    for (const QDomElement& row : all(table, docx_ ? "w:tr" : "table:table-row")) {
      std::string line = "|";
      for (const QDomElement& cell : children(row, docx_ ? "w:tc" : "table:table-cell")) {
        std::string text;
        for (const QDomElement& p : children(cell, docx_ ? "w:p" : "text:p")) {
          text += (text.empty() ? "" : " / ") + text_of(p);
        }
        line += " " + text + " |";
      }
      lines.push_back(line);
    }
  }

  std::string text_of(const QDomElement& paragraph) const {
    std::vector<Run> runs;
    add_runs(paragraph, {}, runs);
    return marked(runs);
  }

  // The text under `node` set as `look`: Word's runs and ODF's spans set their own.
  void add_runs(const QDomNode& node, const Look& look, std::vector<Run>& runs) const {
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
      const QDomElement e = child.toElement();
      const QString tag = e.tagName();
      const auto add = [&runs](std::string text, const Look& as) {
        add_run(runs, {std::move(text), as.script, as.tone});
      };
      if (child.isText()) add(child.nodeValue().toStdString(), look);
      if (tag == "w:t") add_runs(e, look, runs);
      if (tag == "w:r") add_runs(e, docx_look(e.firstChildElement("w:rPr")), runs);
      if (tag == "text:span") add_runs(e, style(e.attribute("text:style-name")).look, runs);
      if (tag == "w:br" || tag == "text:line-break") add("\n", look);
      if (tag == "text:s") add(std::string(e.attribute("text:c", "1").toUInt(), ' '), look);
      // A page reference reads the same in both: "{PAGEREF chapter-1}".
      if (tag == "w:fldSimple") {
        add("{" + e.attribute("w:instr").remove(" \\h").trimmed().toStdString() + "}", {});
      }
      if (tag == "text:bookmark-ref" && e.attribute("text:reference-format") == "page") {
        add("{PAGEREF " + e.attribute("text:ref-name").toStdString() + "}", {});
      }
      if (tag == "text:page-number") add("{PAGE}", {});
      if (tag == "text:page-count") add("{NUMPAGES}", {});
    }
  }

  bool docx_;
  const QByteArray& package_;
  std::map<QString, std::string> targets_;  // Word's relationships: id to part
  std::map<QString, OdtStyle> styles_;
};

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
  return Reader(format, package).lines();
}

std::vector<std::string> style_lines(ReportFormat format, const QByteArray& package) {
  return Reader(format, package).styles();
}

}  // namespace platewise::testing
