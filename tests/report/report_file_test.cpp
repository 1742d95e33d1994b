// The default beam's report saved as PDF, ODT, HTML and Word: each file holds the
// title and the bottom plate as text, the PDF is on A4 pages, and the typed
// extension decides the format.

#include "report_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "editable_reading.h"
#include "form_handlers.h"
#include "headless_form.h"
#include "pdf_text.h"

namespace platewise {
namespace {

using testing::output_of;
using testing::save_report;

ReportModel default_report() {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers(state, form);
  handlers.calculate();
  return *report_model(handlers.record(), form);
}

// The text a reader sees in a saved file.
QString shown_text(const QString& path, ReportFormat format) {
  switch (format) {
    case ReportFormat::Pdf:
      return output_of("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    case ReportFormat::Html:
      return output_of("cat", {path});
    case ReportFormat::Odt:
    case ReportFormat::Docx:
      break;
  }
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  QString text;
  for (const std::string& line : testing::document_lines(format, file.readAll())) {
    text += QString::fromStdString(line) + "\n";
  }
  return text;
}

TEST(ReportFileTest, EachFormatHoldsTheTitleAndTheBottomPlateAsText) {
  QTemporaryDir dir;
  ReportModel report = default_report();
  report.sketch.reset();  // its own piece of page; the sketch has a test of its own
  for (const ReportFormat format :
       {ReportFormat::Pdf, ReportFormat::Odt, ReportFormat::Html, ReportFormat::Docx}) {
    const QString path = dir.filePath(name_for("计算书", format));
    SCOPED_TRACE(path.toStdString());
    save_report(report, path, format);
    const QString text = shown_text(path, format);
    EXPECT_TRUE(text.contains("计算书"));
    EXPECT_TRUE(text.contains("A3号钢:4(厚)X131(宽)"));
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);  // no temporary files left
  const QString info = output_of("pdfinfo", {dir.filePath("计算书.pdf")});
  // A section that would run over the first page's foot starts the second, whole.
  const auto page = [&](const char* n) {
    return output_of("pdftotext",
                     {"-f", n, "-l", n, "-enc", "UTF-8", dir.filePath("计算书.pdf"), "-"});
  };
  // Under the running header.
  const QString heading = page("2").simplified().section(' ', 1, 2);
  EXPECT_TRUE(page("2").startsWith("计算书\n"));
  EXPECT_TRUE(QRegularExpression("^\\d+ \\S+$").match(heading).hasMatch())
      << page("2").toStdString();
  EXPECT_FALSE(page("1").contains(heading));
  EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595 x 842 pts \\(A4\\)")))
      << info.toStdString();
}

TEST(ReportFileTest, TypedExtensionDecidesElseTheChosenFilter) {
  EXPECT_EQ(name_for("a.ODT", ReportFormat::Pdf), "a.ODT");
  EXPECT_EQ(name_for("a.htm", ReportFormat::Pdf), "a.htm");
  EXPECT_EQ(name_for("a.txt", ReportFormat::Html), "a.txt.html");
  EXPECT_EQ(name_for("a", ReportFormat::Odt), "a.odt");
  EXPECT_EQ(name_for("a", ReportFormat::Docx), "a.docx");
  EXPECT_EQ(format_of_name("b.DOCX"), ReportFormat::Docx);
  EXPECT_EQ(format_of_name("a.Pdf"), ReportFormat::Pdf);
  EXPECT_EQ(format_of_name("a.txt"), std::nullopt);
}

}  // namespace
}  // namespace platewise
