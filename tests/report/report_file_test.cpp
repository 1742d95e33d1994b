// The default beam's report saved as PDF, ODT and HTML: each file holds the
// title and the bottom plate as text, the PDF has two A4 pages, and a save
// that cannot be written says why and leaves nothing behind.

#include "report_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

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

TEST(ReportFileTest, EachFormatHoldsTheTitleAndTheBottomPlateAsText) {
  QTemporaryDir dir;
  const ReportModel report = default_report();
  const struct {
    ReportFormat format;
    QString program;
    QStringList arguments;  // the file's path goes last
  } cases[] = {
      {ReportFormat::Pdf, "pdftotext", {"-layout", "-enc", "UTF-8", "-", "-"}},
      {ReportFormat::Odt, "unzip", {"-p", "-", "content.xml"}},
      {ReportFormat::Html, "cat", {}},
  };
  for (const auto& c : cases) {
    const QString path = dir.filePath(name_for("计算书", c.format));
    SCOPED_TRACE(path.toStdString());
    save_report(report, path, c.format);
    QStringList arguments = c.arguments;
    const qsizetype file_place = arguments.indexOf("-");
    if (file_place >= 0) arguments[file_place] = path;  // the first "-" stands for the file
    if (file_place < 0) arguments << path;
    const QString text = output_of(c.program, arguments);
    EXPECT_TRUE(text.contains("计算书"));
    EXPECT_TRUE(text.contains("A3号钢:4(厚)X131(宽)"));
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);  // no temporary files left
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
  EXPECT_EQ(format_of_name("a.Pdf"), ReportFormat::Pdf);
  EXPECT_EQ(format_of_name("a.txt"), std::nullopt);
}

}  // namespace
}  // namespace platewise
