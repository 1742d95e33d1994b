// The report on A4 pages, read back from the PDF: every page names its beam
// and counts the pages, every line of the report is on a page, the Latin and
// the Song face are both embedded, a stopped run is marked on every page,
// a book opens with its title page and members' table and starts every
// chapter on a new page, and Qt has nothing to say while a book is painted.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <mutex>

#include "form_handlers.h"
#include "headless_form.h"
#include "pdf_text.h"
#include "report_file.h"
#include "report_html.h"
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

QString first_line(const QString& page) { return page.trimmed().section('\n', 0, 0); }

// Text without blanks of any kind: lines wrap on the page wherever they may.
QString without_blanks(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}]")));
}

TEST(ReportPdf, EveryPageNamesTheBeamAndCountsThePages) {
  const auto pdf = saved_pdf(one_beam_book(sample_report("KL-1")));
  const qsizetype count = pdf->pages.size();
  ASSERT_GE(count, 2);
  for (qsizetype n = 0; n < count; ++n) {
    SCOPED_TRACE(n + 1);
    EXPECT_EQ(first_line(pdf->pages[n]), "滨江花园 KL-1 计算书");
    EXPECT_TRUE(without_blanks(pdf->pages[n])
                    .contains(QStringLiteral("第%1页共%2页").arg(n + 1).arg(count)));
    EXPECT_FALSE(pdf->pages[n].contains("计算未完成"));
  }
}

TEST(ReportPdf, TitleMetadataNamesTheProjectAndTheBeam) {
  const auto pdf = saved_pdf(one_beam_book(sample_report("KL-1")));
  EXPECT_TRUE(pdf_info(pdf->path).contains(QRegularExpression("Title:\\s+滨江花园 KL-1 计算书\\n")))
      << pdf_info(pdf->path).toStdString();
}

TEST(ReportPdf, PageOneCarriesTheTitleBlockAndTheSignatures) {
  const auto pdf = saved_pdf(one_beam_book(sample_report("KL-1")));
  const QString page = without_blanks(pdf->pages.value(0));
  for (const char* text :
       {"计算书工程名称滨江花园构件编号KL-1编制依据混凝土结构加固技术规范CECS25:90",
        "计算程序Platewise1.0.0计算时间2026-12-0710:15:08", "姓名", "签字", "日期", "张工", "校对",
        "审核"}) {
    EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text << "\n" << page.toStdString();
  }
}

// The default beam's report, as the window writes it.
ReportModel default_beam_report() {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers(state, form);
  handlers.calculate();
  ReportInfo info;
  info.project = kProject;
  info.member = "KL-1";
  return *report_model(handlers.record(), form, info);
}

TEST(ReportPdf, EveryLineOfTheReportIsOnAPage) {
  for (const ReportModel& report : {sample_report("KL-1"), default_beam_report()}) {
    const auto pdf = saved_pdf(one_beam_book(report));
    const QString all = without_blanks(pdf->pages.join(""));
    for (const ReportSection& section : report.sections) {
      EXPECT_TRUE(all.contains(without_blanks(QString::fromStdString(section.title))))
          << section.title;
      for (const ReportLine& line : section.lines) {
        EXPECT_TRUE(all.contains(without_blanks(QString::fromStdString(unmarked(line.text)))))
            << line.text;
      }
    }
  }
}

TEST(ReportPdf, LatinAndSongFacesAreBothEmbedded) {
  const auto pdf = saved_pdf(one_beam_book(sample_report("KL-1", true, 1)));
  const QStringList fonts = pdf_fonts(pdf->path).split('\n').mid(2);  // below the heading
  const auto embedded = [&fonts](const QString& face) {
    for (const QString& line : fonts) {
      const QStringList columns = line.simplified().split(' ');
      if (line.startsWith(face) && columns.size() > 4) return columns[columns.size() - 5] == "yes";
    }
    return false;
  };
  EXPECT_TRUE(embedded("LiberationSerif")) << fonts.join('\n').toStdString();
  EXPECT_TRUE(embedded("UMing")) << fonts.join('\n').toStdString();
}

TEST(ReportPdf, StoppedRunIsMarkedOnEveryPageAndSaysWhyOnTheFirst) {
  const auto pdf = saved_pdf(one_beam_book(sample_report("KL-1", false)));
  ASSERT_GE(pdf->pages.size(), 2);
  for (const QString& page : pdf->pages) {
    EXPECT_TRUE(first_line(page).contains("滨江花园 KL-1 计算书")) << page.toStdString();
    EXPECT_TRUE(page.section('\n', 0, 2).contains("计算未完成")) << page.toStdString();
  }
  EXPECT_TRUE(pdf->pages[0].contains(kStopText));
}

// The pages of a book: which part each belongs to, by its running header.
TEST(ReportBookPdf, TitlePageThenMembersThenEachChapterFromANewPage) {
  const auto pdf = saved_pdf(sample_book(3, 1));
  const QStringList& pages = pdf->pages;
  ASSERT_GE(pages.size(), 5);
  EXPECT_TRUE(without_blanks(pages[0]).contains("滨江花园计算书共3个构件"))
      << pages[0].toStdString();
  EXPECT_FALSE(pages[0].contains("第"));
  EXPECT_EQ(first_line(pages[1]), "滨江花园 计算书");
  EXPECT_TRUE(pages[1].contains("构件一览表"));
  EXPECT_TRUE(without_blanks(pages[1]).contains(QStringLiteral("第2页共%1页").arg(pages.size())));
  // Chapter by chapter: its header on each of its pages, its title block on its first.
  QStringList headers;
  for (qsizetype n = 2; n < pages.size(); ++n) {
    const QString header = first_line(pages[n]).remove("计算未完成").trimmed();
    const bool first = headers.isEmpty() || headers.last() != header;
    if (first) headers << header;
    EXPECT_EQ(pages[n].contains("编制依据"), first) << n + 1;
    EXPECT_EQ(pages[n].section('\n', 0, 2).contains("计算未完成"), header.contains("KL-2"))
        << n + 1;
  }
  EXPECT_EQ(headers,
            QStringList({"滨江花园 KL-1 计算书", "滨江花园 KL-2 计算书", "滨江花园 KL-3 计算书"}));
  EXPECT_TRUE(pdf_info(pdf->path).contains(QRegularExpression("Title:\\s+滨江花园 计算书\\n")));
}

TEST(ReportBookPdf, MembersTableNamesEveryBeamAndTheStoppedOne) {
  const auto pdf = saved_pdf(sample_book(3, 1, 1));
  const QString table = pdf->pages.value(1);
  for (const char* text : {"构件一览表", "验算结论", "KL-1", "KL-2", "KL-3", "计算未完成"}) {
    EXPECT_TRUE(table.contains(QString::fromUtf8(text))) << text;
  }
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

TEST(ReportSketch, FollowsTheInputsAsTextAndLinesInPdfAndAsSvgInHtml) {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers{state, form};
  handlers.calculate();
  const ReportModel report = *report_model(handlers.record(), form);
  ASSERT_TRUE(report.sketch.has_value());
  const auto pdf = saved_pdf(one_beam_book(report));
  // Its dimension texts are text in the PDF, not pixels of an image.
  const QString all = without_blanks(pdf->pages.join(""));
  const qsizetype sketch = all.indexOf("截面简图");
  EXPECT_GT(sketch, all.indexOf(without_blanks(QString::fromStdString(report.sections[0].title))));
  EXPECT_LT(sketch, all.indexOf(without_blanks(QString::fromStdString(report.sections[1].title))));
  EXPECT_TRUE(all.contains("b=250") && all.contains("h=600")) << all.toStdString();
  const QString html = report_html(one_beam_book(report));
  EXPECT_TRUE(html.contains("<figure class=\"sketch\"><svg")) << html.toStdString();
  EXPECT_TRUE(html.contains("<figcaption>截面简图</figcaption></figure>"));
}

}  // namespace
}  // namespace platewise::testing
