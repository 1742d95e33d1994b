// The .docx and .odt writers, read back: the package's parts, the heading
// and body styles, and the document as a reader sees it (running
// headers, page fields, headings, tables, coloured verdicts, subscripts),
// the same lines from both formats.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "docx_writer.h"
#include "editable_reading.h"
#include "odt_writer.h"

namespace platewise::testing {
namespace {

ReportModel chapter(const std::string& member, bool complete = true) {
  ReportModel report;
  report.info.project = "某办公楼";
  report.info.member = member;
  report.info.designer = "张三";
  report.info.checker = "李四";
  report.info.approver = "王五";
  report.running_header = "某办公楼 " + member + " 计算书";
  report.title = "计算书";
  report.basis = "编制依据：混凝土结构加固技术规范 CECS 25:90";
  report.program = "计算程序：Platewise 1.0.0";
  report.calculated_at = "计算时间：2026-12-07 10:15:08";
  report.complete = complete;
  report.sections = {
      {"1 输入数据", {{"梁宽(mm)", "330", ""}, {"梁高(mm)", "650", ""}}, {}},
      {"2 梁底钢板",
       {},
       {{"有效高度 h_{0} = h − a = 650 − 35 = 615 mm"},
        {"梁底钢板宽 331 mm > 梁宽 330 mm，不满足", Verdict::NotSatisfied},
        {"A_{a} = 524 mm^{2} < 525 mm^{2}，注意", Verdict::Attention}}},
      {"3 结果汇总", {{"梁底钢板", "A3号钢:4(厚)X131(宽)", "此栏在计算后被修改"}}, {}},
  };
  if (!complete) report.sections.push_back({"4 计算中断", {}, {{"计算中断：梁高为零", {}, true}}});
  return report;
}

ReportPicture sketch() {
  QImage image(200, 150, QImage::Format_RGB32);
  image.fill(Qt::white);
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  image.save(&png, "PNG");
  return {png.data(), 80, 60};
}

const std::optional<ReportPicture> kSketches[] = {sketch()};

QByteArray bytes_of(ReportFormat format, const ReportBook& book,
                    std::span<const std::optional<ReportPicture>> sketches = {}) {
  return format == ReportFormat::Docx ? docx_bytes(book, sketches) : odt_bytes(book, sketches);
}

ReportBook one_beam() { return {"某办公楼", {}, {chapter("KL-1")}}; }

struct Format {
  const char* name;
  ReportFormat format;
};
void PrintTo(const Format& row, std::ostream* out) { *out << row.name; }

class EditableFormatTest : public ::testing::TestWithParam<Format> {
 protected:
  ReportFormat format() const { return GetParam().format; }
};

INSTANTIATE_TEST_SUITE_P(Each, EditableFormatTest,
                         ::testing::Values(Format{"Docx", ReportFormat::Docx},
                                           Format{"Odt", ReportFormat::Odt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(EditableFormatTest, OneBeamReadsAsItsReport) {
  const std::vector<std::string> expected = {
      "=== 某办公楼 KL-1 计算书 / 第 {PAGE} 页 共 {NUMPAGES} 页",
      "H1 计算书",
      "| 工程名称 | 某办公楼 |",
      "| 构件编号 | KL-1 |",
      "C 编制依据：混凝土结构加固技术规范 CECS 25:90",
      "C 计算程序：Platewise 1.0.0",
      "C 计算时间：2026-12-07 10:15:08",
      "|  | 姓名 | 签字 | 日期 |",
      "| 计算 | 张三 |  |  |",
      "| 校对 | 李四 |  |  |",
      "| 审核 | 王五 |  |  |",
      "H2 1 输入数据",
      "| 梁宽(mm) | 330 |",
      "| 梁高(mm) | 650 |",
      "[picture 80x60mm]",
      "Cap 截面简图",
      "H2 2 梁底钢板",
      "P 有效高度 h_{0} = h − a = 650 − 35 = 615 mm",
      "P 梁底钢板宽 331 mm > 梁宽 330 mm，{red:不满足}",
      "P A_{a} = 524 mm^{2} < 525 mm^{2}，{amber:注意}",
      "H2 3 结果汇总",
      "| 梁底钢板 | A3号钢:4(厚)X131(宽) / {red:（此栏在计算后被修改）} |",
  };
  EXPECT_EQ(document_lines(format(), bytes_of(format(), one_beam(), kSketches)), expected);
}

TEST_P(EditableFormatTest, BookGivesEachBeamItsPageAndRunningHeader) {
  ReportModel stopped = chapter("KL-2", false);
  stopped.stale_notice = "注意：计算后以下输入已修改：梁宽。";
  MemberRow done, not_done;
  done.name = "KL-1";
  done.bottom_plate = "A3号钢:4(厚)X131(宽)";
  done.anchorage = "172mm";
  done.crack_width = "0.047";
  done.worst = Verdict::NotSatisfied;
  not_done.name = "KL-2";
  not_done.complete = false;
  const ReportBook book{"某办公楼", {done, not_done}, {chapter("KL-1"), stopped}};
  const std::string footer = " / 第 {PAGE} 页 共 {NUMPAGES} 页";
  const std::vector<std::string> expected = {
      "=== 某办公楼 计算书" + footer,
      "T 某办公楼",
      "T 计算书",
      "=== 某办公楼 计算书" + footer,
      "H1 构件一览表",
      "| 构件编号 | 梁底钢板 | 梁面钢板 | 锚固长度 | 梁侧U型钢板 | 裂缝宽度(mm) | 端部U型箍板 | "
      "验算结论 |",
      "| KL-1 | A3号钢:4(厚)X131(宽) |  | 172mm |  | 0.047 |  | {red:不满足} |",
      "| KL-2 |  |  |  |  |  |  | {alert:计算未完成} |",
      "=== 某办公楼 KL-1 计算书" + footer,
      "H1 KL-1 计算书",
      "| 构件编号 | KL-1 |",
      "=== 某办公楼 KL-2 计算书 计算未完成" + footer,
      "H1 KL-2 计算书",
      "P {alert:注意：计算后以下输入已修改：梁宽。}",
      "P {alert:计算未完成}",
      "| 构件编号 | KL-2 |",
      "P {alert:计算中断：梁高为零}",
  };
  std::vector<std::string> shown;
  for (const std::string& line : document_lines(format(), bytes_of(format(), book))) {
    if (line.starts_with("===") || line.starts_with("T ") || line.starts_with("H1 ") ||
        line.starts_with("| KL-") || line.starts_with("| 构件编号 |") ||
        line.find("alert") != std::string::npos) {
      shown.push_back(line);
    }
  }
  EXPECT_EQ(shown, expected);
}

TEST_P(EditableFormatTest, CharactersXmlCannotHoldAreLeftOut) {
  const ReportBook book{"某\x01办公楼\x1f", {}, {chapter("KL\x02-1")}};
  const std::vector<std::string> lines = document_lines(format(), bytes_of(format(), book));
  ASSERT_GE(lines.size(), 4U);
  EXPECT_EQ(lines[2], "| 工程名称 | 某办公楼 |");
  EXPECT_EQ(lines[3], "| 构件编号 | KL-1 |");
}

struct Parts {
  const char* name;
  ReportFormat format;
  std::vector<std::string> entries;  // in the package's order; "(stored)" when not compressed
  std::string title_part, picture_part;
};
void PrintTo(const Parts& row, std::ostream* out) { *out << row.name; }

class PackageTest : public ::testing::TestWithParam<Parts> {};

INSTANTIATE_TEST_SUITE_P(
    Each, PackageTest,
    ::testing::Values(Parts{"Docx",
                            ReportFormat::Docx,
                            {"[Content_Types].xml", "_rels/.rels", "docProps/core.xml",
                             "word/document.xml", "word/_rels/document.xml.rels", "word/styles.xml",
                             "word/settings.xml", "word/fontTable.xml", "word/footer1.xml",
                             "word/header1.xml", "word/media/image1.png (stored)"},
                            "docProps/core.xml",
                            "word/media/image1.png"},
                      Parts{"Odt",
                            ReportFormat::Odt,
                            {"mimetype (stored)", "META-INF/manifest.xml", "content.xml",
                             "styles.xml", "meta.xml", "Pictures/image1.png (stored)"},
                            "meta.xml",
                            "Pictures/image1.png"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(PackageTest, HoldsItsPartsTheSketchAndTheTitle) {
  const Parts& p = GetParam();
  const QByteArray package = bytes_of(p.format, one_beam(), kSketches);
  std::vector<std::string> entries;
  for (const PackageEntry& entry : package_entries(package)) {
    entries.push_back(entry.name + (entry.stored ? " (stored)" : ""));
  }
  EXPECT_EQ(entries, p.entries);
  EXPECT_EQ(package_part(package, p.picture_part), kSketches[0]->png);
  EXPECT_TRUE(
      package_part(package, p.title_part).contains("<dc:title>某办公楼 KL-1 计算书</dc:title>"));
  if (p.format == ReportFormat::Odt) {
    EXPECT_EQ(package_part(package, "mimetype"), "application/vnd.oasis.opendocument.text");
  }
}

struct StyleRow {
  const char* name;
  ReportFormat format;
  std::string role, expected;
};
void PrintTo(const StyleRow& row, std::ostream* out) { *out << row.name; }

class StyleTest : public ::testing::TestWithParam<StyleRow> {};

INSTANTIATE_TEST_SUITE_P(
    Each, StyleTest,
    ::testing::Values(StyleRow{"DocxTitle", ReportFormat::Docx, "title",
                               "title: Song AR PL UMing CN, bold, 22pt"},
                      StyleRow{"DocxHeading1", ReportFormat::Docx, "heading 1",
                               "heading 1: Song AR PL UMing CN, bold, 16pt"},
                      StyleRow{"DocxHeading2", ReportFormat::Docx, "heading 2",
                               "heading 2: Song AR PL UMing CN, bold, 14pt"},
                      StyleRow{"DocxBody", ReportFormat::Docx, "body",
                               "body: Song AR PL UMing CN, Latin Times New Roman, 10.5pt, zh-CN"},
                      StyleRow{"OdtTitle", ReportFormat::Odt, "title",
                               "title: Song AR PL UMing CN, bold, 22pt"},
                      StyleRow{"OdtHeading1", ReportFormat::Odt, "heading 1",
                               "heading 1: Song AR PL UMing CN, bold, 16pt"},
                      StyleRow{"OdtHeading2", ReportFormat::Odt, "heading 2",
                               "heading 2: Song AR PL UMing CN, bold, 14pt"},
                      StyleRow{"OdtBody", ReportFormat::Odt, "body",
                               "body: Song AR PL UMing CN, Latin Times New Roman, 10.5pt, zh-CN"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(StyleTest, SetsChineseInTheSongFaceWithItsWeightAndSize) {
  const StyleRow& row = GetParam();
  EXPECT_EQ(style_summary(row.format, bytes_of(row.format, one_beam()), row.role), row.expected);
}

}  // namespace
}  // namespace platewise::testing
