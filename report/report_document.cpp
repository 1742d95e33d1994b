#include "report_document.h"

#include <QFont>
#include <QStringList>
#include <QTextDocument>

namespace platewise {
namespace {

QString html_text(const std::string& utf8) { return QString::fromStdString(utf8).toHtmlEscaped(); }

// Song faces, as the window's: Windows, then Linux, then any Chinese face.
const QStringList& song_families() {
  static const QStringList kFamilies = {"SimSun", "宋体", "AR PL UMing CN", "WenQuanYi Zen Hei",
                                        "Noto Serif CJK SC"};
  return kFamilies;
}

constexpr const char* kStyle =
    "h1 { text-align: center; margin-bottom: 4pt; }"
    "h2 { margin-top: 10pt; margin-bottom: 3pt; }"
    "p { margin-top: 1pt; margin-bottom: 1pt; }"
    "p.meta { text-align: center; }"
    "p.alert { color: #b00000; font-weight: bold; }";

// Font sizes in points: body, sections, title.
struct Sizes {
  int body, section, title;
};

// A heading whose size is set on its text, so that the ODT writer keeps it.
QString heading(int level, int points, const std::string& text) {
  return QStringLiteral("<h%1><span style=\"font-size:%2pt; font-weight:bold\">%3</span></h%1>\n")
      .arg(level)
      .arg(points)
      .arg(html_text(text));
}

// A table of label and text, two pairs to a row when `paired`.
QString table(const std::vector<ReportRow>& rows, bool paired) {
  QString html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">";
  const std::size_t per_row = paired ? 2 : 1;
  for (std::size_t i = 0; i < rows.size(); i += per_row) {
    html += "<tr>";
    for (std::size_t j = i; j < i + per_row; ++j) {
      if (j >= rows.size()) {
        html += "<td></td><td></td>";
        continue;
      }
      html += "<td>" + html_text(rows[j].label) + "</td><td>" + html_text(rows[j].text);
      if (!rows[j].note.empty())
        html += "<br><span style=\"color:#b00000\">（" + html_text(rows[j].note) + "）</span>";
      html += "</td>";
    }
    html += "</tr>";
  }
  return html + "</table>";
}

}  // namespace

QString report_html(const ReportModel& report, ReportLook look) {
  const bool panel = look == ReportLook::Panel;
  const Sizes sizes = panel ? Sizes{9, 10, 14} : Sizes{10, 11, 18};
  QString families;
  for (const QString& family : song_families()) families += "'" + family + "', ";
  QString html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" +
                 html_text(report.title) + "</title><style>body { font-family: " + families +
                 "serif; font-size: " + QString::number(sizes.body) + "pt; } " + kStyle +
                 "</style></head><body>\n";
  // A notice that the report is behind the window comes before anything else.
  if (!report.stale_notice.empty()) {
    html += "<p class=\"alert\">" + html_text(report.stale_notice) + "</p>\n";
  }
  html += heading(1, sizes.title, report.title);
  html += "<p class=\"meta\">" + html_text(report.basis) + "<br>" + html_text(report.program) +
          "<br>" + html_text(report.calculated_at) + "</p>\n";
  if (!report.complete) html += "<p class=\"alert\">计算未完成</p>\n";
  for (const ReportSection& section : report.sections) {
    html += heading(2, sizes.section, section.title);
    if (!section.rows.empty()) html += table(section.rows, !panel && section.rows.size() > 12);
    for (const ReportLine& line : section.lines) {
      html += (line.alert ? "<p class=\"alert\">" : "<p>") + html_text(line.text) + "</p>\n";
    }
  }
  return html + "</body></html>\n";
}

std::unique_ptr<QTextDocument> report_document(const ReportModel& report) {
  auto document = std::make_unique<QTextDocument>();
  QFont font;
  font.setFamilies(song_families());
  font.setPointSizeF(10);
  document->setDefaultFont(font);
  document->setDocumentMargin(0);
  document->setHtml(report_html(report));
  document->setMetaInformation(QTextDocument::DocumentTitle, QString::fromStdString(report.title));
  return document;
}

}  // namespace platewise
