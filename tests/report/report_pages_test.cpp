// The report on A4 pages, read back from the PDF: its title, the Latin and
// the Song face embedded, every page's running header and page number,
// sections kept whole, a stopped run marked on every page, a book's title
// page, members' table and chapters each from a new page; every line of the
// report on a page; Qt has nothing to say while a book is painted; and
// painting a book can be followed and stopped.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <mutex>

#include "pdf_text.h"
#include "report_file.h"
#include "report_text.h"
#include "sample_reports.h"

namespace platewise::testing {
namespace {

struct SavedPdf {
  QTemporaryDir dir;
  QString path = dir.filePath("计算书.pdf");
  QStringList pages;
};

std::unique_ptr<SavedPdf> saved_pdf(const ReportBook& book) {
  auto pdf = std::make_unique<SavedPdf>();
  save_report(book, pdf->path, ReportFormat::Pdf);
  pdf->pages = pdf_pages(pdf->path);
  return pdf;
}

// Text without blanks of any kind: lines wrap on the page wherever they may.
QString without_blanks(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}]")));
}

// A page's top and foot: "running header [计算未完成] | the line that opens the
// page, "…" for a formula | 第n页共m页".
std::string page_summary(const QString& page) {
  QStringList lines = page.split('\n', Qt::SkipEmptyParts);
  for (QString& line : lines) line = line.simplified();
  lines.removeAll("");
  QString shown = lines.value(0);
  const bool stopped = lines.value(1) == "计算未完成";
  if (stopped) shown += " 计算未完成";
  const QString opening = lines.value(stopped ? 2 : 1);
  shown += " | " + (opening.contains('=') ? "…" : opening) + " | " +
           QRegularExpression("第\\d+页共\\d+页").match(without_blanks(page)).captured();
  return shown.toStdString();
}

struct PdfRow {
  const char* name;
  ReportBook (*book)();
  std::vector<std::string> expected;  // the PDF's title, page size and fonts, each page's summary
};
void PrintTo(const PdfRow& row, std::ostream* out) { *out << row.name; }

// A book of one beam whose members' table has 45 rows, two pages' worth
// (its chapters beyond the first left out).
ReportBook long_members_table() {
  ReportBook book = sample_book(1, -1, 1);
  book.members.resize(45, book.members.front());
  return book;
}

class ReportPdfTest : public ::testing::TestWithParam<PdfRow> {};

INSTANTIATE_TEST_SUITE_P(
    Each, ReportPdfTest,
    ::testing::Values(
        PdfRow{"StoppedRun",
               [] { return one_beam_book(sample_report("KL-1", false)); },
               {"Title: 滨江花园 KL-1 计算书", "Page size: 595 x 842 pts (A4)",
                "Fonts: UMingCN, LiberationSerif",
                "滨江花园 KL-1 计算书 计算未完成 | 计算书 | 第1页共4页",
                "滨江花园 KL-1 计算书 计算未完成 | 87 | 第2页共4页",
                "滨江花园 KL-1 计算书 计算未完成 | 3 裂缝验算 | 第3页共4页",
                "滨江花园 KL-1 计算书 计算未完成 | … | 第4页共4页"}},
        PdfRow{"Book",
               [] { return sample_book(3, 1, 1); },
               {"Title: 滨江花园 计算书", "Page size: 595 x 842 pts (A4)",
                "Fonts: UMingCN, LiberationSerif",
                "滨江花园 | 计算书 | ",  // the title page has no page number
                "滨江花园 计算书 | 目录 | 第2页共9页", "滨江花园 计算书 | 构件一览表 | 第3页共9页",
                "滨江花园 KL-1 计算书 | KL-1 计算书 | 第4页共9页",
                "滨江花园 KL-1 计算书 | 结果汇总 | 第5页共9页",
                "滨江花园 KL-2 计算书 计算未完成 | KL-2 计算书 | 第6页共9页",
                "滨江花园 KL-2 计算书 计算未完成 | 3 裂缝验算 | 第7页共9页",
                "滨江花园 KL-3 计算书 | KL-3 计算书 | 第8页共9页",
                "滨江花园 KL-3 计算书 | 结果汇总 | 第9页共9页"}},
        // The members' table runs over pages, each opening with its
        // heading row.
        PdfRow{"LongMembersTable",
               long_members_table,
               {"Title: 滨江花园 计算书", "Page size: 595 x 842 pts (A4)",
                "Fonts: UMingCN, LiberationSerif", "滨江花园 | 计算书 | ",
                "滨江花园 计算书 | 目录 | 第2页共6页", "滨江花园 计算书 | 构件一览表 | 第3页共6页",
                "滨江花园 计算书 | 序号 | 第4页共6页",
                "滨江花园 KL-1 计算书 | KL-1 计算书 | 第5页共6页",
                "滨江花园 KL-1 计算书 | 结果汇总 | 第6页共6页"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ReportPdfTest, TitleFontsAndEveryPagesHeaderAndNumber) {
  const auto pdf = saved_pdf(GetParam().book());
  std::vector<std::string> shown;
  for (const QString& line : output_of("pdfinfo", {"-enc", "UTF-8", pdf->path}).split('\n')) {
    if (line.startsWith("Title:") || line.startsWith("Page size:")) {
      shown.push_back(line.simplified().toStdString());
    }
  }
  QStringList faces;  // the pages' fonts, below pdffonts's two lines of heading
  for (const QString& line :
       output_of("pdffonts", {pdf->path}).split('\n', Qt::SkipEmptyParts).mid(2)) {
    const QStringList columns = line.simplified().split(' ');
    faces << columns[0] + (columns.value(columns.size() - 5) == "yes" ? "" : " (not embedded)");
  }
  shown.push_back("Fonts: " + faces.join(", ").toStdString());
  for (const QString& page : pdf->pages) shown.push_back(page_summary(page));
  EXPECT_EQ(shown, GetParam().expected);
}

// A row broken over two pages would leave its cells' first lines on one page
// and the rest on the next: every row's plate reads whole on its page.
TEST(ReportPdf, MembersRowsAreNeverBrokenOverPages) {
  const auto pdf = saved_pdf(long_members_table());
  for (int page : {2, 3}) {
    const QString text = without_blanks(pdf->pages.value(page));
    EXPECT_EQ(text.count("−4×131"), text.count("KL-1")) << page;
    EXPECT_EQ(text.count("KL-1"), page == 2 ? 38 : 7) << page;  // 45 rows in all
  }
}

// The 目录 and the members' table give each chapter the page it starts on.
TEST(ReportPdf, ContentsAndMembersTableNameThePagesWhereChaptersStart) {
  const auto pdf = saved_pdf(sample_book(3, 1, 40));
  const QStringList pages = pdf->pages;
  // Where each chapter's heading stands, counted from 1.
  std::vector<std::pair<std::string, int>> starts;
  for (int n = 0; n < pages.size(); ++n) {
    QStringList lines = pages[n].split('\n', Qt::SkipEmptyParts);
    lines.removeAll("计算未完成");  // beside the running header of a stopped beam
    const QString heading = lines.value(1).simplified();
    if (heading.endsWith("计算书") && heading.startsWith("KL-")) {
      starts.emplace_back(heading.toStdString(), n + 1);
    }
  }
  ASSERT_EQ(starts.size(), 3U);
  std::vector<std::pair<std::string, int>> contents, members;
  const QRegularExpression entry("^\\d+\\s+(KL-\\d) 计算书(?:（计算未完成）)?\\s+(\\d+)$");
  const QRegularExpression row("^\\d+\\s+(KL-\\d)\\s.*\\s(\\d+)$");
  for (const QString& line :
       output_of("pdftotext", {"-layout", "-f", "2", "-l", "3", pdf->path, "-"}).split('\n')) {
    const QString shown = line.trimmed();
    if (const auto m = entry.match(shown); m.hasMatch()) {
      contents.emplace_back(m.captured(1).toStdString() + " 计算书", m.captured(2).toInt());
    } else if (const auto r = row.match(shown); r.hasMatch()) {
      members.emplace_back(r.captured(1).toStdString() + " 计算书", r.captured(2).toInt());
    }
  }
  EXPECT_EQ(contents, starts);
  EXPECT_EQ(members, starts);
  EXPECT_GT(starts.back().second, starts.front().second + 2);  // chapters of several pages
}

// What Qt says while `action` runs, from any thread.
QStringList qt_messages(const std::function<void()>& action) {
  static std::mutex lock;
  static QStringList said;
  said.clear();
  const QtMessageHandler before =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        const std::lock_guard<std::mutex> locked(lock);
        said << message;
      });
  action();
  qInstallMessageHandler(before);
  return said;
}

// Pieces of several pages, which Qt lays out in steps, laid out by helper
// threads; nothing is said on the terminal.
TEST(ReportBookPdf, IsPaintedWithoutWarnings) {
  const ReportBook book = sample_book(4, -1, 150);
  const QStringList said = qt_messages([&book] { saved_pdf(book); });
  EXPECT_TRUE(said.isEmpty()) << said.join('\n').toStdString();
}

// A book is laid out and painted a few parts at a time: the progress names
// each part once, in order, and stopping it leaves no report.
TEST(ReportBookPdf, ProgressCountsEveryPartAndStopsTheFile) {
  const ReportBook book = sample_book(12, -1, 1);  // title, 目录, members, 12 chapters
  for (const std::size_t stop_at : {std::size_t{0}, std::size_t{3}}) {
    std::vector<std::string> seen;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const bool whole =
        write_report(book, ReportFormat::Pdf, out, [&](std::size_t n, std::size_t of) {
          seen.push_back(std::to_string(n) + "/" + std::to_string(of));
          return n != stop_at;
        });
    std::vector<std::string> expected;
    for (int n = 1; n <= (stop_at ? 3 : 15); ++n) expected.push_back(std::to_string(n) + "/15");
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(whole, stop_at == 0);
  }
}

}  // namespace
}  // namespace platewise::testing
