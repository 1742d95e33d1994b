// The report as a Qt text document, as the pages and the panel show it:
// marks as subscripts and superscripts, verdict words in their colours,
// formula lines under a hanging indent, tables with single rules, the
// members' table of a book, and the faces Latin and Chinese text are set in.

#include "report_document.h"

#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include "report_fonts.h"
#include "sample_reports.h"

namespace platewise::testing {
namespace {

// The block whose text starts with `start`.
QTextBlock block_starting(const QTextDocument& document, const QString& start) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.text().startsWith(start)) return block;
  }
  return {};
}

// A block's runs as "text|_sub|^super", a non-breaking space as "~", a
// coloured run followed by its colour: "不满足#c00000".
std::string runs_of(const QTextBlock& block) {
  std::string shown;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextCharFormat format = it.fragment().charFormat();
    if (!shown.empty()) shown += '|';
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) shown += '_';
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) shown += '^';
    shown += it.fragment().text().replace(QChar(0x00A0), '~').toStdString();
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
      shown += format.foreground().color().name().toStdString();
    }
  }
  return shown;
}

TEST(ReportDocument, MarksAsScriptsAndVerdictWordsInTheirColours) {
  const auto document = chapter_document(sample_report("KL-1"));
  const std::pair<const char*, const char*> cases[] = {
      {"钢筋缺额", "钢筋缺额 ΔA|_s,b| = A|_s,req,b| − A|_s,b| = 1800 − 1472 = 328.1~mm|^2"},
      {"第 1 式",
       "第 1 式 σ|_s| = M × 10|^6| / (0.87 × h|_0| × (A|_a| + A|_s|)) = 50 × 10|^6| / (0.87 × "
       "615 × (525.7 + 1472)) = 46.78~N/mm|^2"},
      {"梁底钢板宽", "梁底钢板宽 b|_a,b| = 331~mm > b = 330~mm，|不满足#c00000"},
      {"钢板面积", "钢板面积 131 × 4 = 524~mm|^2| < 525.7~mm|^2|，|注意#a85a00"},
      {"裂缝宽度", "裂缝宽度 w = 0.047~mm ≤ [w] = 0.3~mm，|满足#1b5e20"},
  };
  for (const auto& [start, shown] : cases) {
    EXPECT_EQ(runs_of(block_starting(*document, start)), shown) << start;
  }
}

TEST(ReportDocument, StopLineIsAnAlertAndPageOneSaysTheRunStopped) {
  const auto document = chapter_document(sample_report("KL-1", false, 1));
  const QTextBlock banner = block_starting(*document, "计算未完成");
  ASSERT_TRUE(banner.isValid());
  EXPECT_EQ(runs_of(banner), "计算未完成#c00000");
  // Under the banner, and again where it stopped.
  EXPECT_EQ(runs_of(banner.next()), std::string(kStopText) + "#c00000");
  EXPECT_EQ(document->toPlainText().count(kStopText), 2);
}

TEST(ReportDocument, FormulaLinesHangTheirContinuationLines) {
  const auto document = chapter_document(sample_report("KL-1", true, 3));
  for (const char* start : {"钢筋缺额", "第 3 式", "裂缝宽度"}) {
    const QTextBlockFormat format = block_starting(*document, start).blockFormat();
    EXPECT_GT(format.leftMargin(), 0) << start;
    EXPECT_EQ(format.textIndent(), -format.leftMargin()) << start;
  }
}

TEST(ReportDocument, EveryCellDrawsOnlyItsOwnRules) {
  const auto document = chapter_document(sample_report("KL-1", true, 1));
  int tables = 0;
  for (QTextFrame* frame : document->rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (table == nullptr) continue;
    ++tables;
    EXPECT_TRUE(table->format().borderCollapse());
    for (int r = 0; r < table->rows(); ++r) {
      for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCellFormat cell = table->cellAt(r, c).format().toTableCellFormat();
        EXPECT_GT(cell.rightBorder(), 0);
        EXPECT_GT(cell.bottomBorder(), 0);
        // Left and top only at the table's edge: a neighbour draws the others.
        EXPECT_EQ(cell.leftBorder() > 0, c == 0) << r << "," << c;
        EXPECT_EQ(cell.topBorder() > 0, r == 0) << r << "," << c;
      }
    }
  }
  EXPECT_EQ(tables, 4);  // title block, signatures, inputs, summary
}

// The members' table, one row per beam as text, the verdict's colour after it.
TEST(ReportDocument, MembersTableRowPerBeamWithItsWorstVerdict) {
  const auto document = members_document(sample_book(3, 1));
  QTextTable* table = nullptr;
  for (QTextFrame* frame : document->rootFrame()->childFrames()) {
    if (auto* found = qobject_cast<QTextTable*>(frame)) table = found;
  }
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rows(), 4);
  const auto row = [table](int r) {
    std::string text;
    for (int c = 0; c < table->columns(); ++c) {
      const QTextBlock block = table->cellAt(r, c).firstCursorPosition().block();
      text += (c ? "|" : "") + runs_of(block);
    }
    return text;
  };
  EXPECT_EQ(
      row(0),
      "序号|构件编号|梁底钢板|梁面钢板|锚固长度|梁侧U型钢板|裂缝宽度(mm)|端部U型箍板|验算结论");
  EXPECT_EQ(row(1),
            "1|KL-1|A3号钢:4(厚)X131(宽)|梁面无需加固|172mm|梁箍筋无需加固|0.038||注意#a85a00");
  EXPECT_EQ(
      row(2),
      "2|KL-2|A3号钢:4(厚)X131(宽)|梁面无需加固|172mm|梁箍筋无需加固|0.038||计算未完成#c00000");
  EXPECT_EQ(table->format().headerRowCount(), 1);  // repeated on every page
}

// Which face each character is set in: Latin and Greek in the serif, Chinese in Song.
TEST(ReportDocument, LatinAndGreekInTheSerifChineseInSong) {
  const std::pair<QString, QString> cases[] = {
      {"l1", "Liberation Serif"}, {"σ", "Liberation Serif"}, {"−", "Liberation Serif"},
      {"梁", "AR PL UMing CN"},   {"，", "AR PL UMing CN"},
  };
  for (const auto& [text, family] : cases) {
    QTextLayout layout(text, report_font(10.5));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    ASSERT_EQ(runs.size(), 1) << text.toStdString();
    EXPECT_EQ(runs[0].rawFont().familyName(), family) << text.toStdString();
  }
}

}  // namespace
}  // namespace platewise::testing
