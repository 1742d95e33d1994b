// The default beam's report saved as PDF, ODT, HTML and Word: each file holds the
// title and the bottom plate as text, the PDF has two A4 pages, and a save
// that cannot be written says why and leaves nothing behind.

#include "report_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "editable_reading.h"
#include "form_handlers.h"
#include "headless_form.h"

namespace platewise {
namespace {

ReportModel default_report() {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers(state, form);
  handlers.calculate();
  return *report_model(handlers.record(), form);
}

// Standard output of a program; empty when it cannot run.
QString output_of(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
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
  const ReportModel report = default_report();
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
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
  // A section that would run over the first page's foot starts the second, whole.
  const auto page = [&](const char* n) {
    return output_of("pdftotext",
                     {"-f", n, "-l", n, "-enc", "UTF-8", dir.filePath("计算书.pdf"), "-"});
  };
  const QString heading = page("2").section('\n', 0, 0);
  EXPECT_TRUE(QRegularExpression("^\\d+ \\S+$").match(heading).hasMatch())
      << page("2").toStdString();
  EXPECT_FALSE(page("1").contains(heading));
  EXPECT_TRUE(page("1").contains("第 1 页 共 2 页"));
  EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595 x 842 pts \\(A4\\)")))
      << info.toStdString();
}

TEST(ReportFileTest, UnwritableFolderSaysWhyAndLeavesNothing) {
  QTemporaryDir dir;
  // A folder inside a plain file cannot be written, not even by root.
  QFile plain(dir.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  const QString path = dir.filePath("plain/计算书.pdf");
  try {
    save_report(default_report(), path, ReportFormat::Pdf);
    ADD_FAILURE() << "saved into a plain file";
  } catch (const ReportFileError& error) {
    EXPECT_EQ(error.kind(), ReportFileError::Kind::Open);
    EXPECT_TRUE(error.message().startsWith("无法保存计算书“" + path + "”：")) << error.what();
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"plain"});
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
