#include "report_html.h"

#include "report_fonts.h"
#include "report_parts.h"
#include "report_text.h"
#include "report_typography.h"
#include "sketch_painting.h"

namespace platewise {
namespace {

QString escaped(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toHtmlEscaped();
}

// A marked text with its marks as <sub> and <sup>.
QString marked_html(std::string_view marked) {
  QString html;
  for (const TextRun& run : text_runs(marked)) {
    switch (run.script) {
      case Script::Sub:
        html += "<sub>" + escaped(run.text) + "</sub>";
        break;
      case Script::Super:
        html += "<sup>" + escaped(run.text) + "</sup>";
        break;
      case Script::Normal:
        html += escaped(run.text);
        break;
    }
  }
  return html;
}

const char* verdict_class(Verdict verdict) {
  switch (verdict) {
    case Verdict::Satisfied:
      return "satisfied";
    case Verdict::Rounding:
    case Verdict::Attention:
      return "attention";
    case Verdict::NotSatisfied:
      break;
  }
  return "not-satisfied";
}

QString verdict_span(Verdict verdict) {
  return QStringLiteral("<span class=\"%1\">").arg(verdict_class(verdict)) +
         escaped(verdict_word(verdict)) + "</span>";
}

// A text ending with a verdict's word, the word in its colour (added when missing).
QString with_verdict(const std::string& text, std::optional<Verdict> verdict) {
  if (!verdict) return marked_html(text);
  const std::string_view word = verdict_word(*verdict);
  const std::size_t at = ending_word(text, word);
  if (at == std::string::npos) {
    return marked_html(text) + (text.empty() ? "" : " ") + verdict_span(*verdict);
  }
  const std::string_view whole(text);
  return marked_html(whole.substr(0, at)) + verdict_span(*verdict) +
         marked_html(whole.substr(at + word.size()));
}

// A text as a CSS string: "…" with its quotes and backslashes escaped.
QString css_string(QString text) {
  text.replace('\\', QStringLiteral("\\\\")).replace('"', QStringLiteral("\\\""));
  text.replace('\n', ' ');
  return '"' + text + '"';
}

// The pages of chapter `index` carry its running header at their top, in
// browsers that set page margin boxes; elsewhere it stands once, in the page.
QString chapter_page_style(const ReportModel& report, std::size_t index) {
  QString style = QStringLiteral("@page chapter-%1 { @top-left { content: %2; font-size: 9pt; }")
                      .arg(index)
                      .arg(css_string(running_header(report)));
  if (!report.complete) {
    style += QStringLiteral(" @top-right { content: \"%1\"; color: %2; font-weight: bold; }")
                 .arg(kIncomplete, kAlertColour);
  }
  return style + " }\n";
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
             "table { border-collapse: collapse; width: 100%; margin: 4pt 0; font-size: 9.5pt; }\n"
             "th, td { border: 0.5pt solid #000; padding: 2pt 4pt; vertical-align: top;"
             " text-align: left; }\n"
             "thead th, table.signatures td, td.verdict { text-align: center; }\n"
             "table.signatures td { height: 2.2em; }\n"
             "thead { display: table-header-group; }\n"
             "tr { break-inside: avoid; page-break-inside: avoid; }\n"
             ".title-page { text-align: center; padding-top: 50mm; }\n"
             ".title-page .project, .title-page h1 { font-size: 26pt; font-weight: bold; }\n"
             ".title-page table.title-block { margin-top: 40mm; }\n"
             "@page cover { @bottom-center { content: none; } }\n"
             ".title-page { page: cover; }\n"
             "@page members { @top-left { content: %5; font-size: 9pt; } }\n"
             ".members, .contents, .front { page: members; }\n"
             "@media print { header.running { display: none; } }\n"
             "table.members { font-size: %6pt; }\n"
             "table.members td { white-space: nowrap; }\n"
             "nav.contents table td { border: none; }\n"
             "td.page { text-align: center; }\n"
             "@media print { a.page { font-size: 0; }"
             " a.page::after { content: target-counter(attr(href url), page); font-size: 9pt; } }\n"
             ".title-page + .contents, .contents + .members, .members + .front,"
             " .members + .chapter, .front + .chapter, .chapter + .chapter {"
             " break-before: page; page-break-before: always; }\n"
             ".banner { text-align: center; font-size: 16pt; }\n"
             ".alert, .not-satisfied, .incomplete { color: %2; font-weight: bold; }\n"
             ".attention { color: %3; font-weight: bold; }\n"
             ".satisfied { color: %4; }\n"
             ".note { color: %2; }\n"
             "figure.sketch { text-align: center; margin: 6pt 0; }\n")
      .arg(css_font_families(), kAlertColour, verdict_colour(Verdict::Attention).name(),
           verdict_colour(Verdict::Satisfied).name(), css_string(document_title(book)))
      .arg(kMembersPoints);
}

QString labelled_rows(const std::vector<LabelledText>& rows) {
  QString html;
  for (const LabelledText& row : rows) {
    html += "<tr><th scope=\"row\">" + row.label.toHtmlEscaped() + "</th><td>" +
            row.text.toHtmlEscaped() + "</td></tr>";
  }
  return html;
}

QString title_block_html(const std::vector<LabelledText>& block) {
  return "<table class=\"title-block\"><colgroup><col style=\"width:20%\"><col></colgroup>" +
         labelled_rows(block) + "</table>\n";
}

QString signatures_html(const ReportInfo& info) {
  QString html = "<table class=\"signatures\"><thead><tr>";
  for (const char* heading : kSignatureHeadings) html += QStringLiteral("<th>%1</th>").arg(heading);
  html += "</tr></thead><tbody>";
  for (const LabelledText& person : signatures(info)) {
    html += "<tr><th scope=\"row\">" + person.label.toHtmlEscaped() + "</th><td>" +
            person.text.toHtmlEscaped() + "</td><td></td><td></td></tr>";
  }
  return html + "</tbody></table>\n";
}

QString rows_html(const std::vector<ReportRow>& rows) {
  QString html = "<table class=\"rows\">";
  for (const ReportRow& row : rows) {
    html += "<tr><th scope=\"row\">" + marked_html(row.label) + "</th><td>" +
            with_verdict(row.text, row.verdict);
    if (!row.note.empty()) html += "<br><span class=\"note\">（" + escaped(row.note) + "）</span>";
    html += "</td></tr>";
  }
  return html + "</table>\n";
}

// A cell that leads to a bookmark: in a paged-media processor the page
// number (target-counter), in a browser a link.
QString page_link(const std::string& bookmark) {
  return "<td class=\"page\"><a class=\"page\" href=\"#" + escaped(bookmark) + "\">查看</a></td>";
}

QString line_html(const ReportLine& line) {
  return QStringLiteral("<p class=\"line%1\">").arg(line.alert ? " alert" : "") +
         with_verdict(typeset_line(line.text), line.verdict) + "</p>\n";
}

QString chapter_html(const ReportModel& report, std::size_t index, bool in_book) {
  QString html =
      QStringLiteral("<article class=\"chapter\" id=\"chapter-%1\" style=\"page: chapter-%1\">\n")
          .arg(index) +
      "<header class=\"running\"><span>" + running_header(report).toHtmlEscaped() + "</span>";
  if (!report.complete)
    html += QStringLiteral("<span class=\"incomplete\">%1</span>").arg(kIncomplete);
  html += "</header>\n";
  if (!report.stale_notice.empty()) {
    html += "<p class=\"alert\">" + escaped(report.stale_notice) + "</p>\n";
  }
  QString title = escaped(report.title);
  if (in_book && !report.info.member.empty()) title = escaped(report.info.member) + " " + title;
  html += "<h1>" + title + "</h1>\n" + title_block_html(title_block(report));
  if (!in_book) html += signatures_html(report.info);
  if (!report.complete) {
    html += QStringLiteral("<p class=\"banner alert\">%1</p>\n").arg(kIncomplete);
    if (const ReportLine* why = stop_line_of(report)) html += line_html(*why);
  }
  for (std::size_t i = 0; i < report.sections.size(); ++i) {
    const ReportSection& section = report.sections[i];
    html += "<section>\n<h2>" + marked_html(section.title) + "</h2>\n";
    if (!section.rows.empty()) html += rows_html(section.rows);
    for (const ReportLine& line : section.lines) html += line_html(line);
    html += "</section>\n";
    // The sketch follows the inputs it is drawn from.
    if (i == sketch_after(report)) {
      html += "<figure class=\"sketch\">" + QString::fromUtf8(sketch_svg(*report.sketch)) +
              "<figcaption>" + QString::fromUtf8(kSketchCaption) + "</figcaption></figure>\n";
    }
  }
  return html + "</article>\n";
}

QString title_page_html(const ReportBook& book) {
  QString html = "<section class=\"title-page\">\n";
  if (!book.project.empty()) html += "<p class=\"project\">" + escaped(book.project) + "</p>\n";
  const ReportModel* first = book.chapters.empty() ? nullptr : &book.chapters.front();
  html += "<h1>" + (first ? escaped(first->title) : QStringLiteral("计算书")) + "</h1>\n";
  html += QStringLiteral("<p>共 %1 个构件</p>\n").arg(book.members.size());
  if (first != nullptr) {
    ReportModel cover = *first;
    cover.info.project = book.project;
    std::vector<LabelledText> block = title_block(cover);
    std::erase_if(block, [](const LabelledText& item) { return item.label == "构件编号"; });
    html += title_block_html(block) + signatures_html(first->info);
  }
  return html + "</section>\n";
}

QString members_html(const ReportBook& book) {
  QString html = QStringLiteral("<section class=\"members\" id=\"members\">\n<h1>%1</h1>\n")
                     .arg(kMembersTitle);
  html += "<table class=\"members\"><colgroup>";
  for (const double width : member_widths(book)) {
    html += QStringLiteral("<col style=\"width:%1%\">").arg(100 * width, 0, 'f', 1);
  }
  html += "</colgroup><thead><tr>";
  for (const MemberColumn& column : member_columns()) {
    html += QStringLiteral("<th>%1</th>").arg(column.heading);
  }
  html += "</tr></thead><tbody>\n";
  for (std::size_t r = 0; r < book.members.size(); ++r) {
    const MemberRow& member = book.members[r];
    html += "<tr>";
    for (const MemberColumn& column : member_columns()) {
      switch (column.kind) {
        case MemberCell::Verdict: {
          const std::optional<Verdict> colour = member_verdict_colour(member);
          html += QStringLiteral("<td class=\"verdict %1\">")
                      .arg(colour ? verdict_class(*colour) : "") +
                  member_verdict_text(member).toHtmlEscaped() + "</td>";
          break;
        }
        case MemberCell::Page:
          html += page_link(chapter_bookmark(r));
          break;
        case MemberCell::Index:
        case MemberCell::Text:
          html += "<td>" + marked_html(member_cell_text(column, member, r)) + "</td>";
          break;
      }
    }
    html += "</tr>\n";
  }
  html += "</tbody></table>\n";
  if (book.front) {
    html += QStringLiteral("<h2 id=\"conclusion\">%1</h2>\n").arg(kBookConclusionTitle);
    for (const ReportLine& line : book.front->conclusion) html += line_html(line);
  }
  return html + "</section>\n";
}

QString contents_html(const ReportBook& book) {
  QString html =
      QStringLiteral("<nav class=\"contents\">\n<h1>%1</h1>\n<table>").arg(kContentsTitle);
  for (const ContentsEntry& entry : contents_entries(book)) {
    html += "<tr><td><a href=\"#" + escaped(entry.bookmark) + "\">" + escaped(entry.text) +
            "</a></td>" + page_link(entry.bookmark) + "</tr>\n";
  }
  return html + "</table>\n</nav>\n";
}

QString front_html(const ReportBook& book) {
  if (!book.front || (!book.front->symbols && !book.front->materials)) return {};
  QString html = "<section class=\"front\" id=\"front\">\n";
  for (const std::optional<ReportSection>* section :
       {&book.front->symbols, &book.front->materials}) {
    if (!*section) continue;
    html += "<h2>" + marked_html((*section)->title) + "</h2>\n";
    if (!(*section)->rows.empty()) html += rows_html((*section)->rows);
    for (const ReportLine& line : (*section)->lines) html += line_html(line);
  }
  return html + "</section>\n";
}

}  // namespace

QString report_html(const ReportBook& given) {
  std::optional<ReportBook> made;
  const ReportBook& book = shown_book(given, made);
  QString html =
      "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
      document_title(book).toHtmlEscaped() + "</title>\n<style>\n" + style(book);
  for (std::size_t i = 0; i < book.chapters.size(); ++i) {
    html += chapter_page_style(book.chapters[i], i + 1);
  }
  html += "</style>\n</head>\n<body>\n";
  const bool titled = has_title_page(book);
  if (titled)
    html += title_page_html(book) + contents_html(book) + members_html(book) + front_html(book);
  for (std::size_t i = 0; i < book.chapters.size(); ++i) {
    html += chapter_html(book.chapters[i], i + 1, titled);
  }
  return html + "</body>\n</html>\n";
}

}  // namespace platewise
