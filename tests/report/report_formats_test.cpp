// One book in every format: the HTML page, the .docx and the .odt read back
// as the same lines (parts, blocks, table rows and cells, coloured words),
// and the PDF holds each of those blocks and cells, its coloured words in
// the same colours.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

#include "editable_reading.h"
#include "format_reading.h"
#include "pdf_text.h"
#include "report_html.h"
#include "report_parts.h"
#include "sample_reports.h"

namespace platewise::testing {
namespace {

struct Book {
  const char* name;
  ReportBook (*make)();
};
void PrintTo(const Book& row, std::ostream* out) { *out << row.name; }

// A beam the engine computed, with its 符号说明 and sketch; one that stopped;
// one whose report is behind the window.
ReportBook book_of_beams() {
  ReportBook book = sample_book(3, 1, 2);
  book.chapters[0] = default_beam_report({kProject, "KL-1", "张工", "", "", ""});
  book.chapters[2].stale_notice = "注意：计算后以下输入已修改：梁宽。";
  return book;
}
ReportBook one_beam() { return one_beam_book(sample_report("KL-1", false, 2)); }

class ReportFormats : public ::testing::TestWithParam<Book> {};
INSTANTIATE_TEST_SUITE_P(Books, ReportFormats,
                         ::testing::Values(Book{"OneBeam", one_beam},
                                           Book{"BookOfBeams", book_of_beams}),
                         [](const auto& info) { return std::string(info.param.name); });

// The lines as every format has them: a running header without the page
// footer (in HTML the browser sets that), a picture without its size.
std::vector<std::string> comparable(std::vector<std::string> lines) {
  for (std::string& line : lines) {
    if (line.starts_with("=== ")) line = line.substr(0, line.find(" / 第 {PAGE}"));
    if (line.starts_with("[picture")) line = "[picture]";
  }
  return lines;
}

TEST_P(ReportFormats, HtmlDocxAndOdtReadAsTheSameLines) {
  const ReportBook book = GetParam().make();
  const std::vector<std::string> docx =
      comparable(document_lines(ReportFormat::Docx, report_bytes(book, ReportFormat::Docx)));
  EXPECT_EQ(comparable(document_lines(ReportFormat::Odt, report_bytes(book, ReportFormat::Odt))),
            docx);
  EXPECT_EQ(comparable(html_lines(report_html(book))), docx);
}

// A line's text as the PDF's text holds it: no marks, no page fields, no blanks.
QString plain(const std::string& marked) {
  QString text = QString::fromStdString(marked);
  text.remove(QRegularExpression(R"(\{PAGEREF [^}]*\})"));
  text.remove(QRegularExpression(R"(\{(red|amber|green|alert):|[_^]\{|\})"));
  return text.remove(QRegularExpression(R"([\s\x{00A0}])"));
}

// The coloured words of the lines, "#c00000 不满足", each in the palette's colour.
std::vector<std::pair<QString, QString>> coloured_words(const std::vector<std::string>& lines) {
  static const QRegularExpression toned(R"(\{(red|amber|green|alert):([^}]*)\})");
  std::vector<std::pair<QString, QString>> words;
  for (const std::string& line : lines) {
    for (const auto& match : toned.globalMatch(QString::fromStdString(line))) {
      const QString tone = match.captured(1);
      const char* colour = tone == "amber"   ? kAttentionColour
                           : tone == "green" ? kSatisfiedColour
                                             : kAlertColour;
      words.emplace_back(colour, plain(match.captured(2).toStdString()));
    }
  }
  return words;
}

TEST_P(ReportFormats, PdfHoldsEveryBlockAndCellAndColoursTheSameWords) {
  const ReportBook book = GetParam().make();
  const std::vector<std::string> lines =
      comparable(document_lines(ReportFormat::Docx, report_bytes(book, ReportFormat::Docx)));
  QTemporaryDir dir;
  const QString path = dir.filePath("book.pdf");
  save_report(book, path, ReportFormat::Pdf);
  const QString all = plain(pdf_pages(path).join("").toStdString());
  // The sketch's dimensions are text, not pixels of an image.
  EXPECT_TRUE(all.contains("b=250") && all.contains("h=600"));
  // Blocks in their order; the cells of a row wherever the row's lines put them.
  qsizetype at = 0;
  for (const std::string& line : lines) {
    if (line.starts_with("document title") || line == "[picture]") continue;
    if (line.starts_with("|")) {
      const QString row = QString::fromStdString(line).mid(2).chopped(2);  // "| a | b |"
      for (const QString& cell : row.split(" | ")) {
        for (const QString& paragraph : cell.split(" / ")) {
          EXPECT_TRUE(all.contains(plain(paragraph.toStdString()))) << line;
        }
      }
      continue;
    }
    const QString text = plain(line.substr(line.find(' ') + 1));
    if (line.starts_with("=== ")) {
      EXPECT_TRUE(all.contains(text)) << line;
      continue;
    }
    const qsizetype found = all.indexOf(text, at);
    EXPECT_GE(found, 0) << line << " not after " << all.mid(at - 40, 40).toStdString();
    if (found >= 0) at = found + text.size();
  }
  // Each colour's texts, in order; a word may run over several of them.
  std::map<QString, QString> in_colour;
  for (const std::string& run : pdf_coloured_texts(path)) {
    const QString text = QString::fromStdString(run);
    in_colour[text.section(' ', 0, 0)] += plain(text.section(' ', 1).toStdString());
  }
  for (const auto& [colour, word] : coloured_words(lines)) {
    EXPECT_TRUE(in_colour[colour].contains(word))
        << word.toStdString() << " in " << colour.toStdString();
  }
}

}  // namespace
}  // namespace platewise::testing
