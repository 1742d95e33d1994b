// The .docx and .odt files read back, the same lines from both formats:
// the document as a reader sees it (its title, running headers, page
// fields, headings, tables, the sketch, coloured verdicts, subscripts), and
// the styles' faces, weights and sizes.

#include <gtest/gtest.h>

#include "editable_reading.h"
#include "sample_reports.h"

namespace platewise::testing {
namespace {

struct Format {
  const char* name;
  ReportFormat format;
};
void PrintTo(const Format& row, std::ostream* out) { *out << row.name; }

class EditableFormatTest : public ::testing::TestWithParam<Format> {
 protected:
  QByteArray bytes_of(const ReportBook& book) const {
    return report_bytes(book, GetParam().format);
  }
  std::vector<std::string> lines_of(const ReportBook& book) const {
    return document_lines(GetParam().format, bytes_of(book));
  }
};

INSTANTIATE_TEST_SUITE_P(Each, EditableFormatTest,
                         ::testing::Values(Format{"Docx", ReportFormat::Docx},
                                           Format{"Odt", ReportFormat::Odt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(EditableFormatTest, OneBeamReadsAsItsReport) {
  // A typed name may bring characters XML cannot hold: they are left out.
  const std::vector<std::string> expected = {
      "document title: 滨江花园 KL-1 计算书",
      "=== 滨江花园 KL-1 计算书 / 第 {PAGE} 页 共 {NUMPAGES} 页",
      "Heading1 计算书",
      "| 工程名称 | 滨江花园 |",
      "| 构件编号 | KL-1 |",
      "| 编制依据 | 混凝土结构加固技术规范 CECS 25:90 |",
      "| 计算程序 | Platewise 1.0.0 |",
      "| 计算时间 | 2026-12-07 10:15 |",
      "|  | 姓名 | 签字 | 日期 |",
      "| 计算 | 张工 |  |  |",
      "| 校对 |  |  |  |",
      "| 审核 |  |  |  |",
      "Heading2 1 输入数据",
      "| 输入1 | 330 | 输入2 | 330 |",
      "| 输入3 | 330 | 输入4 | 330 |",
      "| 输入5 | 330 | 输入6 | 330 |",
      "| 输入7 | 330 | 输入8 | 330 |",
      "| 输入9 | 330 | 输入10 | 330 |",
      "| 输入11 | 330 | 输入12 | 330 |",
      "| 输入13 | 330 | 输入14 | 330 |",
      "| 输入15 | 330 |  |  |",
      "[picture 80.1x99.5mm]",
      "Caption 图 1-1 截面简图",
      "Heading2 2 梁底钢板",
      "CalcLine 钢筋缺额 ΔA_{s,b} = A_{s,req,b} − A_{s,b} = 1800 − 1472 = 328.1\u00A0mm^{2}",
      "CalcLine 梁底钢板宽 b_{a,b} = 331\u00A0mm > b = 330\u00A0mm，{red:不满足}",
      "CalcLine 钢板面积 131 × 4 = 524\u00A0mm^{2} < 525.7\u00A0mm^{2}，{amber:注意}",
      "CalcLine 裂缝宽度 w = 0.047\u00A0mm ≤ [w] = 0.3\u00A0mm，{green:满足}",
      "Heading2 3 裂缝验算",
      "CalcLine 第 1 式 σ_{s} = M × 10^{6} / (0.87 × h_{0} × (A_{a} + A_{s})) = 50 × 10^{6} / "
      "(0.87 × 615 × (525.7 + 1472)) = 46.78\u00A0N/mm^{2}",
      "Heading2 结果汇总",
      "| 梁底钢板 | A3号钢:4(厚)X131(宽) / {red:（此栏在计算后被修改）} |",
      "| 梁底钢板实选宽度 | 331 {red:不满足} |",
  };
  EXPECT_EQ(lines_of(one_beam_book(sample_report("KL\x02-1", true, 1))), expected);
}

TEST_P(EditableFormatTest, BookGivesEachBeamItsPageAndRunningHeader) {
  ReportBook book = sample_book(2, 1, 1);
  book.chapters[1].stale_notice = "注意：计算后以下输入已修改：梁宽。";
  const std::string footer = " / 第 {PAGE} 页 共 {NUMPAGES} 页";
  const std::vector<std::string> expected = {
      "document title: 滨江花园 计算书",
      "=== 滨江花园 计算书" + footer,
      "Title 滨江花园",
      "Title 计算书",
      "Centered 共 2 个构件",
      "=== 滨江花园 计算书" + footer,
      "Heading1 目录",
      "| 构件一览表 | {PAGEREF members} |",
      "| 总结论 | {PAGEREF conclusion} |",
      "| 1 KL-1 计算书 | {PAGEREF chapter-1} |",
      "| 2 KL-2 计算书（计算未完成） | {PAGEREF chapter-2} |",
      "=== 滨江花园 计算书" + footer,
      "Heading1 构件一览表",
      "| 序号 | 构件编号 | 梁底钢板 | 梁面钢板 | 锚固长度(mm) | 取用(mm) | 梁侧U型钢板 | "
      "裂缝宽度(mm) | 端部U型箍板 | 验算结论 | 页码 |",
      "| 1 | KL-1 | −4×131\u00A0A3 | 无需加固 | 171.5 | 172 | 无需加固 | 0.038 |  | {amber:注意} | "
      "{PAGEREF chapter-1} |",
      "| 2 | KL-2 | −4×131\u00A0A3 | 无需加固 | 171.5 | 172 | 无需加固 | 0.038 |  | "
      "{alert:计算未完成} | {PAGEREF chapter-2} |",
      "Heading2 总结论",
      "CalcLine 共 2 个构件：满足 0 个，注意 1 个，不满足 0 个，计算未完成 1 个。",
      "CalcLine {alert:KL-2：计算未完成}",
      "=== 滨江花园 KL-1 计算书" + footer,
      "Heading1 KL-1 计算书",
      "| 构件编号 | KL-1 |",
      "=== 滨江花园 KL-2 计算书 计算未完成" + footer,
      "CalcLine {alert:注意：计算后以下输入已修改：梁宽。}",
      "Heading1 KL-2 计算书",
      "| 构件编号 | KL-2 |",
      "Banner {alert:计算未完成}",
      // Under the banner, and again where it stopped.
      "CalcLine {alert:计算中断：裂缝验算中除数为零}",
      "CalcLine {alert:计算中断：裂缝验算中除数为零}",
  };
  std::vector<std::string> shown;
  for (const std::string& line : lines_of(book)) {
    if (line.starts_with("document title") || line.starts_with("===") ||
        line.starts_with("Title ") || line.starts_with("Centered 共") ||
        line.starts_with("Heading1 ") || line.find("PAGEREF") != std::string::npos ||
        line.starts_with("| 构件编号 |") || line.starts_with("| 序号 |") ||
        line.find("总结论") != std::string::npos || line.starts_with("CalcLine 共") ||
        line.find("alert") != std::string::npos) {
      shown.push_back(line);
    }
  }
  EXPECT_EQ(shown, expected);
}

TEST_P(EditableFormatTest, StylesSetChineseInTheSongFaceWithItsWeightAndSize) {
  const std::vector<std::string> expected = {
      "defaults: CJK AR PL UMing CN, Latin Times New Roman, 10.5pt, zh-CN",
      "Title: CJK AR PL UMing CN, bold, 22pt",
      "Heading1: CJK AR PL UMing CN, bold, 16pt",
      "Heading2: CJK AR PL UMing CN, bold, 14pt",
      "Banner: bold, 16pt",
      "TableHead: bold",
      "Caption: 9pt",
      "Header: 9pt",
      "Footer: 9pt",
      "Latin: CJK Times New Roman",  // letters and symbols Word may take for Chinese
  };
  EXPECT_EQ(style_lines(GetParam().format, bytes_of(one_beam_book(sample_report("KL-1", true, 1)))),
            expected);
}

}  // namespace
}  // namespace platewise::testing
