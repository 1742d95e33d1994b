// The report as a Qt text document, as the pages and the panel show it:
// formula lines under a hanging indent, marks as subscripts and
// superscripts, verdict words in their colours, tables with single rules, the
// members' table of a book, and the faces Latin and Chinese text are set in.

#include "report_document.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QImage>
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
// coloured run followed by its colour: "不满足#c00000"; "⇥" first when its
// lines after the first hang under a hanging indent.
std::string runs_of(const QTextBlock& block) {
  const QTextBlockFormat paragraph = block.blockFormat();
  std::string shown =
      paragraph.leftMargin() > 0 && paragraph.textIndent() == -paragraph.leftMargin() ? "⇥" : "";
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextCharFormat format = it.fragment().charFormat();
    if (it != block.begin()) shown += '|';
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) shown += '_';
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) shown += '^';
    shown += it.fragment().text().replace(QChar(0x00A0), '~').toStdString();
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
      shown += format.foreground().color().name().toStdString();
    }
  }
  return shown;
}

// The document's tables, in order.
std::vector<QTextTable*> tables_of(const QTextDocument& document) {
  std::vector<QTextTable*> tables;
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(frame)) tables.push_back(table);
  }
  return tables;
}

TEST(ReportDocument, FormulaLinesHangWithMarksAsScriptsAndVerdictWordsInTheirColours) {
  const auto document = chapter_document(sample_report("KL-1"));
  const std::pair<const char*, const char*> cases[] = {
      {"钢筋缺额", "⇥钢筋缺额 ΔA|_s,b| = A|_s,req,b| − A|_s,b| = 1800 − 1472 = 328.1~mm|^2"},
      {"第 1 式",
       "⇥第 1 式 σ|_s| = M × 10|^6| / (0.87 × h|_0| × (A|_a| + A|_s|)) = 50 × 10|^6| / (0.87 × "
       "615 × (525.7 + 1472)) = 46.78~N/mm|^2"},
      {"梁底钢板宽", "⇥梁底钢板宽 b|_a,b| = 331~mm > b = 330~mm，|不满足#c00000"},
      {"钢板面积", "⇥钢板面积 131 × 4 = 524~mm|^2| < 525.7~mm|^2|，|注意#a85a00"},
      {"裂缝宽度", "⇥裂缝宽度 w = 0.047~mm ≤ [w] = 0.3~mm，|满足#1b5e20"},
  };
  for (const auto& [start, shown] : cases) {
    EXPECT_EQ(runs_of(block_starting(*document, start)), shown) << start;
  }
}

TEST(ReportDocument, StopLineIsAnAlertAndPageOneSaysTheRunStopped) {
  const auto document = chapter_document(sample_report("KL-1", false, 1));
  const QTextBlock banner = block_starting(*document, "计算未完成");
  ASSERT_TRUE(banner.isValid());
  EXPECT_EQ(runs_of(banner), "⇥计算未完成#c00000");
  // Under the banner, and again where it stopped.
  EXPECT_EQ(runs_of(banner.next()), "⇥" + std::string(kStopText) + "#c00000");
  EXPECT_EQ(document->toPlainText().count(kStopText), 2);
}

// The panel shows Qt's collapsed grid; on paper the pages draw the rules.
TEST(ReportDocument, PanelTablesHaveQtsGridPaperTablesNone) {
  for (const ReportLook look : {ReportLook::Panel, ReportLook::Paper}) {
    const auto document = chapter_document(sample_report("KL-1", true, 1), look);
    const std::vector<QTextTable*> tables = tables_of(*document);
    EXPECT_EQ(tables.size(), 4U);  // the title block, the signatures, inputs, summary
    for (QTextTable* table : tables) {
      EXPECT_EQ(table->format().borderCollapse(), look == ReportLook::Panel);
      EXPECT_EQ(table->format().border(), look == ReportLook::Panel ? 1 : 0);
    }
  }
}

// The members' table, one row per beam as text, the verdict's colour after it.
TEST(ReportDocument, MembersTableRowPerBeamWithItsWorstVerdict) {
  const MembersTable members = members_table(gathered(sample_book(2, 1)), {0, 0, 0, {5, 9}});
  // The title's piece ends with the heading row, each member's row a piece of its own.
  std::vector<std::string> rows;
  for (const std::unique_ptr<QTextDocument>& piece : members.pieces) {
    const std::vector<QTextTable*> tables = tables_of(*piece);
    ASSERT_EQ(tables.size(), 1U);
    std::string text;
    for (int c = 0; c < tables[0]->columns(); ++c) {
      text += (c ? "|" : "") + runs_of(tables[0]->cellAt(0, c).firstCursorPosition().block());
    }
    rows.push_back(text);
  }
  const std::vector<std::string> expected = {
      "序号|构件编号|梁底钢板|梁面钢板|锚固长度(mm)|取用(mm)|梁侧U型钢板|裂缝宽度(mm)|"
      "端部U型箍板|验算结论|页码",
      "1|KL-1|−4×131~A3|无需加固|171.5|172|无需加固|0.038||注意#a85a00|5",
      "2|KL-2|−4×131~A3|无需加固|171.5|172|无需加固|0.038||计算未完成#c00000|9",
  };
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(members.pieces.front()->toPlainText().left(5), "构件一览表");
  EXPECT_EQ(members.heading->toPlainText(), members.pieces.front()->toPlainText().mid(6));
  EXPECT_EQ(members.conclusion->toPlainText().toStdString(),
            "总结论\n共 2 个构件：满足 0 个，注意 1 个，不满足 0 个，计算未完成 1 个。\n"
            "KL-2：计算未完成");
}

// Rows as long as the example table of beams makes them: on the page, every
// cell holds its text on one line, whatever the other rows hold.
TEST(ReportDocument, MembersCellsAreNeverBroken) {
  const std::vector<MemberRow> rows = {
      {"一层KL-4", "A3号钢:4(厚)X240(宽)", "A3号钢:4(厚)X175(宽)", "114.666666666667mm", "115mm",
       "3(厚)X136(宽bu)X150(高Lu)@100", "0.048", "15个3(厚)X136(宽bu)X150(高Lu)@100",
       Verdict::Rounding, true},
      {"二层KL-1", "梁底无需加固", "梁面无需加固", "143.333333333333mm", "144mm", "梁箍筋无需加固",
       "0.242", "无需加箍", Verdict::NotSatisfied, true},
      {"三层KL-4", "16Mn钢:5(厚)X109(宽)", "16Mn钢:4(厚)X211(宽)", "201.6mm", "202mm",
       "梁箍筋无需加固", "0.118", "", std::nullopt, false},
  };
  ReportBook book = sample_book(1);
  book.members = rows;
  const MembersTable members = members_table(gathered(book), {0, 0, 0, {123, 456, 789}});
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(3780);  // 96 dpi, as the pages lay out
  device.setDotsPerMeterY(3780);
  for (const std::unique_ptr<QTextDocument>& piece : members.pieces) {
    piece->documentLayout()->setPaintDevice(&device);
    piece->setPageSize(QSizeF(170 / 25.4 * 96, 2000));  // the text's width on A4
    QTextTable* table = tables_of(*piece).back();
    for (int c = 0; c < table->columns(); ++c) {
      const QTextBlock block = table->cellAt(0, c).firstCursorPosition().block();
      const bool heading = piece == members.pieces.front();
      // Headings may take two lines; a cell takes one.
      EXPECT_LE(block.layout()->lineCount(), heading ? 2 : 1) << block.text().toStdString();
    }
  }
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
