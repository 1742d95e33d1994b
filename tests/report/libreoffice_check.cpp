// The .docx and .odt of a book of three beams as LibreOffice shows them:
// converted to PDF with a profile of this run's own, then read with poppler.
// Every page carries "第 i 页 共 N 页" and the running header of its part,
// each beam starts a page with its heading, headings are set larger than the
// text in the Song face (not WenQuanYi's sans), and each chapter shows its
// sketch. Exits 77 (skipped) where LibreOffice is not installed.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <map>

#include "docx_writer.h"
#include "form_handlers.h"
#include "headless_form.h"
#include "odt_writer.h"

namespace platewise {
namespace {

const std::vector<std::string> kHeaders = {"某办公楼加固 计算书", "某办公楼加固 KL-1 计算书",
                                           "某办公楼加固 KL-2 计算书",
                                           "某办公楼加固 KL-3 计算书 计算未完成"};

ReportModel beam_chapter(const std::string& member) {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers(state, form);
  handlers.calculate();
  ReportModel report = *report_model(handlers.record(), form);
  report.info.project = "某办公楼加固";
  report.info.member = member;
  report.running_header = "某办公楼加固 " + member + " 计算书";
  return report;
}

ReportBook book() {
  ReportBook book{"某办公楼加固", {}, {}};
  for (const char* member : {"KL-1", "KL-2", "KL-3"}) {
    book.chapters.push_back(beam_chapter(member));
    MemberRow row;
    row.name = member;
    book.members.push_back(row);
  }
  book.chapters.back().complete = false;
  return book;
}

ReportPicture sketch() {
  QImage image(480, 360, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawRect(140, 40, 200, 280);
  painter.end();
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  image.save(&png, "PNG");
  return {png.data(), 80, 60};
}

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(-1);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDFs LibreOffice made of the book as .docx and as .odt, made once.
class Rendered {
 public:
  static const Rendered& get() {
    static const Rendered rendered;
    return rendered;
  }
  QString pdf(const QString& format) const { return dir_.filePath("book-" + format + ".pdf"); }
  QString conversion_log;

 private:
  Rendered() {
    const ReportBook shown = book();
    const std::optional<ReportPicture> sketches[] = {sketch(), sketch(), sketch()};
    const std::map<QString, QByteArray> files = {{"book-docx.docx", docx_bytes(shown, sketches)},
                                                 {"book-odt.odt", odt_bytes(shown, sketches)}};
    QStringList arguments = {
        "-env:UserInstallation=" + QUrl::fromLocalFile(dir_.filePath("profile")).toString(),
        "--headless",
        "--norestore",
        "--convert-to",
        "pdf",
        "--outdir",
        dir_.path()};
    for (const auto& [name, bytes] : files) {
      QFile file(dir_.filePath(name));
      file.open(QIODevice::WriteOnly);
      file.write(bytes);
      arguments << file.fileName();
    }
    QProcess soffice;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir_.path());
    soffice.setProcessEnvironment(environment);
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start("soffice", arguments);
    // A LibreOffice that hangs is ended, so that the test fails instead of waiting.
    if (!soffice.waitForFinished(5 * 60 * 1000)) soffice.kill();
    soffice.waitForFinished(-1);
    conversion_log = QString::fromUtf8(soffice.readAll());
  }

  QTemporaryDir dir_;
};

class LibreOfficeTest : public ::testing::TestWithParam<const char*> {
 protected:
  QString pdf() const { return Rendered::get().pdf(GetParam()); }
  int pages() const {
    const QRegularExpressionMatch found =
        QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf()}));
    return found.hasMatch() ? found.captured(1).toInt() : 0;
  }
  QStringList page_lines(int page) const {
    const QString text = run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page),
                                           "-layout", "-enc", "UTF-8", pdf(), "-"});
    QStringList lines;
    for (const QString& line : text.split('\n')) {
      if (!line.trimmed().isEmpty()) lines << line.simplified();
    }
    return lines;
  }
};

INSTANTIATE_TEST_SUITE_P(Each, LibreOfficeTest, ::testing::Values("docx", "odt"),
                         [](const auto& info) { return std::string(info.param); });

TEST_P(LibreOfficeTest, EveryPageHasItsPartsHeaderAndItsNumber) {
  ASSERT_TRUE(QFile::exists(pdf())) << Rendered::get().conversion_log.toStdString();
  const int count = pages();
  ASSERT_GE(count, 5);
  std::vector<std::string> headers;
  for (int page = 1; page <= count; ++page) {
    const QStringList lines = page_lines(page);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.back(), QString("第 %1 页 共 %2 页").arg(page).arg(count));
    const std::string header = lines.front().toStdString();
    if (headers.empty() || headers.back() != header) {
      headers.push_back(header);
      // A beam's chapter opens its page with its heading.
      const std::string member = header.substr(header.find(' ') + 1, 4);
      if (member.starts_with("KL-")) {
        EXPECT_EQ(lines[1].toStdString(), member + " 计算书");
      }
    }
  }
  EXPECT_EQ(headers, kHeaders);
}

TEST_P(LibreOfficeTest, HeadingsAreLargerInTheSongFaceAndFontsAreEmbedded) {
  // Word boxes on the first chapter's first page: "输入数据" heads a section, "工程名称" is text.
  const QString boxes = run("pdftotext", {"-f", "3", "-l", "3", "-bbox", pdf(), "-"});
  const auto height = [&boxes](const QString& word) {
    const QRegularExpressionMatch box =
        QRegularExpression("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">" + word + "<")
            .match(boxes);
    return box.hasMatch() ? box.captured(2).toDouble() - box.captured(1).toDouble() : 0.0;
  };
  EXPECT_GT(height("输入数据"), 1.2 * height("工程名称")) << boxes.toStdString();
  const QString fonts = run("pdffonts", {pdf()});
  EXPECT_TRUE(fonts.contains("UMingCN")) << fonts.toStdString();
  EXPECT_TRUE(fonts.contains("Serif")) << fonts.toStdString();
  EXPECT_FALSE(fonts.contains("ZenHei")) << fonts.toStdString();
  for (const QString& line : fonts.split('\n').mid(2)) {
    if (!line.isEmpty()) {
      EXPECT_TRUE(line.contains(" yes ")) << line.toStdString();
    }
  }
}

TEST_P(LibreOfficeTest, A4WithTheBindingMarginOnTheLeft) {
  EXPECT_TRUE(run("pdfinfo", {pdf()})
                  .contains(QRegularExpression("Page size:\\s+595\\.\\d+ x 841\\.\\d+ pts")));
  // The text of the first chapter's first page lies between 25 mm from the left edge and 15 mm
  // from the right; its headings start at the left margin.
  const QString boxes = run("pdftotext", {"-f", "3", "-l", "3", "-bbox", pdf(), "-"});
  double left = 1e9, right = 0;
  QRegularExpressionMatchIterator words =
      QRegularExpression("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"")
          .globalMatch(boxes);
  while (words.hasNext()) {
    const QRegularExpressionMatch word = words.next();
    left = std::min(left, word.captured(1).toDouble());
    right = std::max(right, word.captured(2).toDouble());
  }
  constexpr double kPointsPerMm = 72 / 25.4;
  EXPECT_NEAR(left, 25 * kPointsPerMm, 1.5);
  EXPECT_LE(right, (210 - 15) * kPointsPerMm);
}

TEST_P(LibreOfficeTest, EachChapterShowsItsSketch) {
  const QStringList images = run("pdfimages", {"-list", pdf()}).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(images.size() - 2, 3) << images.join('\n').toStdString();  // after the two head lines
}

}  // namespace
}  // namespace platewise

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
