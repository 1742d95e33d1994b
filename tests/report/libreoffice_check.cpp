// The .docx and .odt of a book of three beams as LibreOffice shows them:
// converted to PDF with a profile of this run's own, then read with poppler.
// A4 with the binding margin on the left, the Song face (not WenQuanYi's
// sans), each chapter's sketch; every page carries the running header of its
// part and "第 i 页 共 N 页", each beam starts a page with its heading. Exits 77
// (skipped) where LibreOffice is not installed.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "pdf_text.h"
#include "sample_reports.h"

namespace platewise::testing {
namespace {

// The PDFs LibreOffice made of the book as .docx and as .odt, made once.
class Rendered {
 public:
  static const Rendered& get() {
    static const Rendered rendered;
    return rendered;
  }
  QString pdf(const QString& format) const { return dir_.filePath("book-" + format + ".pdf"); }
  QString conversion_log;
  bool converted = false;  // soffice ended by itself, with exit status 0

 private:
  Rendered() {
    const ReportBook book = sample_book(3, 2, 1);
    QStringList arguments = {
        "-env:UserInstallation=" + QUrl::fromLocalFile(dir_.filePath("profile")).toString(),
        "--headless",
        "--norestore",
        "--convert-to",
        "pdf",
        "--outdir",
        dir_.path()};
    for (const auto& [name, format] : {std::pair{"book-docx.docx", ReportFormat::Docx},
                                       std::pair{"book-odt.odt", ReportFormat::Odt}}) {
      save_report(book, dir_.filePath(name), format);
      arguments << dir_.filePath(name);
    }
    QProcess soffice;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir_.path());
    soffice.setProcessEnvironment(environment);
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start("soffice", arguments);
    // A LibreOffice that hangs is ended, so that the test fails instead of waiting.
    const bool finished = soffice.waitForFinished(5 * 60 * 1000);
    if (!finished) soffice.kill();
    soffice.waitForFinished(-1);
    conversion_log = QString::fromUtf8(soffice.readAll());
    converted = finished && soffice.exitStatus() == QProcess::NormalExit && soffice.exitCode() == 0;
    if (!finished) {
      conversion_log += "\n(soffice still running after 5 minutes: ended)";
    } else if (!converted) {
      conversion_log +=
          QStringLiteral("\n(soffice failed, exit status %1)").arg(soffice.exitCode());
    }
  }

  QTemporaryDir dir_;
};

class LibreOfficeTest : public ::testing::TestWithParam<const char*> {};

INSTANTIATE_TEST_SUITE_P(Each, LibreOfficeTest, ::testing::Values("docx", "odt"),
                         [](const auto& info) { return std::string(info.param); });

TEST_P(LibreOfficeTest, RendersAsTheReport) {
  const QString pdf = Rendered::get().pdf(GetParam());
  ASSERT_TRUE(Rendered::get().converted && QFile::exists(pdf))
      << Rendered::get().conversion_log.toStdString();
  const std::vector<std::string> expected = {
      "Page size: 595.304 x 841.89 pts (A4)",
      "Fonts: UMingCN, LiberationSerif, LiberationSerif-Bold",  // Song, not WenQuanYi's sans
      // .docx: a picture each; .odt: a vector drawing each, its texts text.
      std::string(GetParam()) == "odt" ? "Sketches: 0 pictures, 3 drawn"
                                       : "Sketches: 3 pictures, 0 drawn",
      "Text of page 3 from 25 mm, inside the right margin",  // 25 mm on the left for binding
      "滨江花园 计算书 | 滨江花园 | 第 1 页 共 9 页",
      "滨江花园 计算书 | 目录 | 第 2 页 共 9 页",
      "滨江花园 计算书 | 构件一览表 | 第 3 页 共 9 页",
      "滨江花园 KL-1 计算书 | KL-1 计算书 | 第 4 页 共 9 页",
      "滨江花园 KL-1 计算书 | 3 裂缝验算 | 第 5 页 共 9 页",
      "滨江花园 KL-2 计算书 | KL-2 计算书 | 第 6 页 共 9 页",
      "滨江花园 KL-2 计算书 | 3 裂缝验算 | 第 7 页 共 9 页",
      "滨江花园 KL-3 计算书 计算未完成 | KL-3 计算书 | 第 8 页 共 9 页",
      // The banner and the stop's line under the title block push section 2 on.
      "滨江花园 KL-3 计算书 计算未完成 | 钢板面积 131 × 4 = 524 mm2 < 525.7 mm2，注意 | 第 9 页 共 "
      "9 页",
  };
  std::vector<std::string> shown;
  for (const QString& line : output_of("pdfinfo", {pdf}).split('\n')) {
    if (line.startsWith("Page size:")) shown.push_back(line.simplified().toStdString());
  }
  QStringList fonts;  // without their subset's tag, "BAAAAA+"; embedded, or said not to be
  for (const QString& line : output_of("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2)) {
    const QStringList columns = line.simplified().split(' ');
    fonts << columns[0].section('+', -1) +
                 (columns.value(columns.size() - 5) == "yes" ? "" : " (not embedded)");
  }
  shown.push_back("Fonts: " + fonts.join(", ").toStdString());
  const qsizetype pictures =
      output_of("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).size() - 2;
  // The stirrups' callout, "Φ8@100", is the sketch's own text.
  const qsizetype drawn = pdf_pages(pdf).join('\n').count(QRegularExpression("Φ\\d+@"));
  shown.push_back("Sketches: " + std::to_string(pictures) + " pictures, " + std::to_string(drawn) +
                  " drawn");
  // Where the words of the first chapter's first page start and end.
  double left = 1e9, right = 0;
  const QString boxes = output_of("pdftotext", {"-f", "3", "-l", "3", "-bbox", pdf, "-"});
  static const QRegularExpression kWord("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"");
  for (const QRegularExpressionMatch& word : kWord.globalMatch(boxes)) {
    left = std::min(left, word.captured(1).toDouble());
    right = std::max(right, word.captured(2).toDouble());
  }
  constexpr double kPointsPerMm = 72 / 25.4;
  shown.push_back(QString("Text of page 3 from %1 mm, %2 the right margin")
                      .arg(std::lround(left / kPointsPerMm))
                      .arg(right <= (210 - 15) * kPointsPerMm ? "inside" : "beyond")
                      .toStdString());
  // Each page's running header, the line that opens it and its number.
  static const QRegularExpression kNumber("第 \\d+ 页 共 \\d+ 页");
  for (const QString& page : pdf_pages(pdf)) {
    const QStringList lines = page.split('\n', Qt::SkipEmptyParts);
    shown.push_back(
        (lines.value(0) + " | " + lines.value(1) + " | " + kNumber.match(page).captured())
            .toStdString());
  }
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace platewise::testing

int main(int argc, char* argv[]) {
  if (QStandardPaths::findExecutable("soffice").isEmpty()) {
    std::puts("LibreOffice (soffice) is not installed: skipped");
    return 77;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
