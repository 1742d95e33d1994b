#include "report_html.h"

#include <span>

#include "report_fonts.h"
#include "report_outline.h"
#include "report_parts.h"
#include "sketch_painting.h"

namespace platewise {
namespace {

using namespace outline;

QString escaped(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toHtmlEscaped();
}

const char* tone_class(Tone tone) {
  switch (tone) {
    case Tone::Plain:
      return nullptr;
    case Tone::Satisfied:
      return "satisfied";
    case Tone::Attention:
      return "attention";
    case Tone::NotSatisfied:
      return "not-satisfied";
    case Tone::Alert:
      break;
  }
  return "alert";
}

// Spans with their marks as <sub> and <sup> and their tones as classes; a
// page field leads to its bookmark: in a paged-media processor the page
// number (target-counter), in a browser a link.
QString spans_html(const std::vector<Span>& spans) {
  QString html;
  for (const Span& span : merged(spans)) {
    if (!span.page_of.empty()) {
      html += "<a class=\"page\" href=\"#" + escaped(span.page_of) + "\">查看</a>";
      continue;
    }
    QString text = escaped(span.text);
    if (span.script == Script::Sub) text = "<sub>" + text + "</sub>";
    if (span.script == Script::Super) text = "<sup>" + text + "</sup>";
    if (const char* tone = tone_class(span.tone)) {
      text = QStringLiteral("<span class=\"%1\">").arg(tone) + text + "</span>";
    }
    html += text;
  }
  return html;
}

QString id_of(const Paragraph& paragraph, const std::string& container_id) {
  if (paragraph.bookmark.empty() || paragraph.bookmark == container_id) return {};
  return " id=\"" + escaped(paragraph.bookmark) + "\"";
}

QString paragraph_html(const Paragraph& paragraph, const std::string& container_id) {
  const QString id = id_of(paragraph, container_id);
  const QString text = spans_html(paragraph.spans);
  switch (paragraph.role) {
    case Role::Heading1:
      return "<h1" + id + ">" + text + "</h1>\n";
    case Role::Heading2:
      return "<h2" + id + ">" + text + "</h2>\n";
    case Role::Title:
      return "<p class=\"title\">" + text + "</p>\n";
    case Role::Banner:
      return "<p class=\"banner\">" + text + "</p>\n";
    case Role::Centered:
      return "<p class=\"centered\">" + text + "</p>\n";
    case Role::Caption:
      return "<p class=\"caption\">" + text + "</p>\n";
    default:
      break;
  }
  return "<p class=\"line\"" + id + ">" + text + "</p>\n";
}

QString cell_html(const std::vector<Paragraph>& cell, bool heading) {
  const char* tag = heading ? "th" : "td";
  QString text;
  bool centred = false, page = false;
  for (const Paragraph& paragraph : cell) {
    if (!text.isEmpty()) text += "<br/>";
    text += spans_html(paragraph.spans);
    centred = centred || paragraph.role == Role::CellCentred;
    for (const Span& span : paragraph.spans) page = page || !span.page_of.empty();
  }
  const char* kind = page ? " class=\"page\"" : centred && !heading ? " class=\"centre\"" : "";
  return QStringLiteral("<%1%2>").arg(tag, kind) + text + QStringLiteral("</%1>").arg(tag);
}

QString table_html(const Table& table) {
  // The border attribute for readers without CSS, such as a word processor's import.
  QString html = table.small ? "<table class=\"small\" border=\"1\">" : "<table border=\"1\">";
  html += "<colgroup>";
  for (const double width : table.widths) {
    html += QStringLiteral("<col style=\"width:%1%\"/>").arg(100 * width, 0, 'f', 1);
  }
  html += "</colgroup>";
  const QString tall =
      table.min_row_mm > 0 ? QStringLiteral(" style=\"height:%1mm\"").arg(table.min_row_mm) : "";
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const bool heading = r == 0 && table.header_row;
    if (heading) html += "<thead>";
    if (r == (table.header_row ? 1 : 0)) html += "<tbody>";
    html += heading ? "<tr>" : "<tr" + tall + ">";
    for (const std::vector<Paragraph>& cell : table.rows[r]) html += cell_html(cell, heading);
    html += "</tr>";
    if (heading) html += "</thead>";
    html += "\n";
  }
  if (table.rows.size() > (table.header_row ? 1U : 0U)) html += "</tbody>";
  return html + "</table>\n";
}

// The blocks of a part; a picture takes the caption after it into its figure.
QString blocks_html(std::span<const Block> blocks, const std::string& container_id) {
  QString html;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (const auto* paragraph = std::get_if<Paragraph>(&blocks[i])) {
      html += paragraph_html(*paragraph, container_id);
    } else if (const auto* table = std::get_if<Table>(&blocks[i])) {
      html += table_html(*table);
    } else if (const auto* picture = std::get_if<Picture>(&blocks[i])) {
      html += "<figure class=\"sketch\">" + QString::fromUtf8(sketch_svg(picture->sketch));
      const auto* caption =
          i + 1 < blocks.size() ? std::get_if<Paragraph>(&blocks[i + 1]) : nullptr;
      if (caption != nullptr && caption->role == Role::Caption) {
        html += "<figcaption>" + spans_html(caption->spans) + "</figcaption>";
        ++i;
      }
      html += "</figure>\n";
    }
  }
  return html;
}

// A text as a CSS string: "…" with its quotes and backslashes escaped, and
// "<" and "&" as CSS escapes, so that a name holding "</style>" stays text.
QString css_string(QString text) {
  text.replace('\\', QStringLiteral("\\\\")).replace('"', QStringLiteral("\\\""));
  text.replace('<', QStringLiteral("\\3c ")).replace('&', QStringLiteral("\\26 "));
  text.replace('\n', ' ');
  return '"' + text + '"';
}

// The pages of chapter `number` carry its running header at their top, in
// browsers that set page margin boxes; elsewhere it stands once, in the page.
QString chapter_page_style(const Part& part, std::size_t number) {
  QString style = QStringLiteral("@page chapter-%1 { @top-left { content: %2; font-size: 9pt; }")
                      .arg(number)
                      .arg(css_string(QString::fromStdString(part.running_header)));
  if (part.incomplete) {
    style += QStringLiteral(" @top-right { content: \"%1\"; color: %2; font-weight: bold; }")
                 .arg(kIncomplete, kAlertColour);
  }
  return style + " }\n";
}

// A part as its element: the title page, the 目录, the members' table, the
// book's front, or a chapter (`number` from 1) with its running header.
QString part_html(const Part& part, std::size_t number) {
  switch (part.kind) {
    case PartKind::Title:
      return "<section class=\"title-page\">\n" + blocks_html(part.blocks, {}) + "</section>\n";
    case PartKind::Contents:
      return "<nav class=\"contents\">\n" + blocks_html(part.blocks, {}) + "</nav>\n";
    case PartKind::Members:
      return QStringLiteral("<section class=\"members\" id=\"%1\">\n").arg(kMembersBookmark) +
             blocks_html(part.blocks, kMembersBookmark) + "</section>\n";
    case PartKind::Front:
      return QStringLiteral("<section class=\"front\" id=\"%1\">\n").arg(kFrontBookmark) +
             blocks_html(part.blocks, kFrontBookmark) + "</section>\n";
    case PartKind::Chapter:
      break;
  }
  const std::string id = chapter_bookmark(number - 1);
  QString html =
      QStringLiteral("<article class=\"chapter\" id=\"%1\" style=\"page: %1\">\n").arg(id.c_str()) +
      "<header class=\"running\"><span>" + escaped(part.running_header) + "</span>";
  if (part.incomplete) {
    html += QStringLiteral("<span class=\"alert\">%1</span>").arg(kIncomplete);
  }
  return html + "</header>\n" + blocks_html(part.blocks, id) + "</article>\n";
}

QString style(const ReportBook& book) {
  return QStringLiteral(
             "@page { size: A4; margin: 15mm 15mm 15mm 25mm;"
             " @bottom-center { content: \"第 \" counter(page) \" 页 共 \" counter(pages) \" 页\";"
             " font-size: 9pt; } }\n"
             "body { font-family: %1; font-size: 10.5pt; line-height: 1.4; color: #000;"
             " max-width: 170mm; margin: 0 auto; }\n"
             "@media print { body { max-width: none; } }\n"
             "header.running { display: flex; justify-content: space-between; font-size: 9pt;"
             " border-bottom: 0.5pt solid #000; margin-bottom: 8pt; }\n"
             "h1 { text-align: center; font-size: 22pt; margin: 6pt 0 8pt; }\n"
             "h2 { font-size: 12pt; margin: 10pt 0 3pt; break-after: avoid;"
             " page-break-after: avoid; }\n"
             "p { margin: 1pt 0; }\n"
             "p.line { padding-left: 2em; text-indent: -2em; }\n"
             "p.banner, p.centered, p.caption, p.title { text-align: center; }\n"
             "p.banner { font-size: 16pt; }\n"
             "table { border-collapse: collapse; width: 100%; margin: 4pt 0; font-size: 9.5pt; }\n"
             "th, td { border: 0.5pt solid #000; padding: 2pt 4pt; vertical-align: middle;"
             " text-align: left; }\n"
             "th, td.centre, td.page { text-align: center; }\n"
             "thead { display: table-header-group; }\n"
             "tr { break-inside: avoid; page-break-inside: avoid; }\n"
             "figure.sketch { text-align: center; margin: 6pt 0; }\n"
             ".title-page { text-align: center; padding-top: 50mm; }\n"
             ".title-page p.title { font-size: 26pt; margin: 0 0 12pt; }\n"
             ".title-page p.centered { font-size: 14pt; }\n"
             ".title-page table { margin-top: 40mm; }\n"
             "@page cover { @bottom-center { content: none; } }\n"
             ".title-page { page: cover; }\n"
             "@page members { @top-left { content: %5; font-size: 9pt; } }\n"
             ".members, .contents, .front { page: members; }\n"
             "@media print { header.running { display: none; } }\n"
             "table.small { font-size: %6pt; }\n"
             "table.small td { white-space: nowrap; }\n"
             "@media print { a.page { font-size: 0; }"
             " a.page::after { content: target-counter(attr(href url), page); font-size: 9pt; } }\n"
             ".title-page + .contents, .contents + .members, .members + .front,"
             " .members + .chapter, .front + .chapter, .chapter + .chapter {"
             " break-before: page; page-break-before: always; }\n"
             ".alert, .not-satisfied { color: %2; }\n"
             ".attention { color: %3; }\n"
             ".satisfied { color: %4; }\n"
             ".alert { font-weight: bold; }\n")
      // All at once: a "%1" in the project's name stays as it is.
      .arg(css_font_families(), kAlertColour, kAttentionColour, kSatisfiedColour,
           css_string(document_title(book)), QString::number(kMembersPoints));
}

}  // namespace

QString report_html(const ReportBook& given) {
  std::optional<ReportBook> made;
  const ReportBook& book = shown_book(given, made);
  const Outline outline = outline_of(book);
  QString html =
      "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
      escaped(outline.title) + "</title>\n<style>\n" + style(book);
  std::size_t chapters = 0;
  for (const Part& part : outline.parts) {
    if (part.kind == PartKind::Chapter) html += chapter_page_style(part, ++chapters);
  }
  html += "</style>\n</head>\n<body>\n";
  chapters = 0;
  for (const Part& part : outline.parts) {
    html += part_html(part, part.kind == PartKind::Chapter ? ++chapters : 0);
  }
  return html + "</body>\n</html>\n";
}

}  // namespace platewise
