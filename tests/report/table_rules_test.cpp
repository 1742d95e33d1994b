// The rules the pages draw around a paper report's tables, from where Qt
// laid the cells out: around every cell, each rule once; on each page its
// own run of rows when a table runs over pages.

#include "table_rules.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextDocument>
#include <cmath>

#include "report_document.h"
#include "sample_reports.h"

namespace platewise::testing {
namespace {

// Lays `document` out at 96 dpi on pages 640 wide and `page_height` high.
void lay_out(QTextDocument& document, double page_height) {
  static QImage device = [] {
    QImage image(1, 1, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);  // 96 dpi
    image.setDotsPerMeterY(3780);
    return image;
  }();
  document.setPageSize(QSizeF(0, 0));  // no layout before the device is set
  document.documentLayout()->setPaintDevice(&device);
  document.setPageSize(QSizeF(640, page_height));
}

// "─ y x1–x2" or "│ x y1–y2", in whole pixels.
std::vector<std::string> shown(const std::vector<QLineF>& rules) {
  std::vector<std::string> lines;
  const auto px = [](double v) { return std::to_string(std::lround(v)); };
  for (const QLineF& rule : rules) {
    lines.push_back(rule.y1() == rule.y2()
                        ? "─ " + px(rule.y1()) + " " + px(rule.x1()) + "–" + px(rule.x2())
                        : "│ " + px(rule.x1()) + " " + px(rule.y1()) + "–" + px(rule.y2()));
  }
  return lines;
}

struct RulesRow {
  const char* name;
  std::unique_ptr<QTextDocument> (*piece)();
  double page_height;
  std::vector<std::string> expected;
};
void PrintTo(const RulesRow& row, std::ostream* out) { *out << row.name; }

// The inputs section: 15 inputs two to a line, eight rows, the last half empty.
std::unique_ptr<QTextDocument> inputs_piece() {
  return std::move(chapter_pieces(sample_report("KL-1"), ChapterPlace::Alone)[1]);
}

class TableRulesTest : public ::testing::TestWithParam<RulesRow> {};

INSTANTIATE_TEST_SUITE_P(
    Each, TableRulesTest,
    ::testing::Values(
        // Eleven columns, one row: its top, its bottom, twelve column edges.
        RulesRow{"MembersHeading",
                 [] { return std::move(members_table(sample_book(1)).heading); },
                 1000,
                 {"─ 0 0–640", "─ 18 0–640", "│ 0 0–18", "│ 34 0–18", "│ 88 0–18", "│ 148 0–18",
                  "│ 202 0–18", "│ 278 0–18", "│ 334 0–18", "│ 405 0–18", "│ 481 0–18",
                  "│ 552 0–18", "│ 606 0–18", "│ 640 0–18"}},
        // Eight rows under the section's heading, four columns; the last row's
        // empty cells are set in the body's size, a little higher.
        RulesRow{"InputsOnOnePage",
                 inputs_piece,
                 1000,
                 {"─ 26 0–640", "─ 47 0–640", "─ 68 0–640", "─ 89 0–640", "─ 110 0–640",
                  "─ 131 0–640", "─ 152 0–640", "─ 173 0–640", "─ 196 0–640", "│ 0 26–196",
                  "│ 192 26–196", "│ 320 26–196", "│ 512 26–196", "│ 640 26–196"}},
        // Qt moves a row that does not fit to the next page and stretches the
        // one before it to the page's foot (100 less the table's margin of 4).
        RulesRow{
            "InputsOverPages",
            inputs_piece,
            100,
            {"─ 26 0–640",    "─ 47 0–640",    "─ 68 0–640",    "─ 96 0–640",    "│ 0 26–96",
             "│ 192 26–96",   "│ 320 26–96",   "│ 512 26–96",   "│ 640 26–96",   "─ 104 0–640",
             "─ 125 0–640",   "─ 146 0–640",   "─ 167 0–640",   "─ 196 0–640",   "│ 0 104–196",
             "│ 192 104–196", "│ 320 104–196", "│ 512 104–196", "│ 640 104–196", "─ 204 0–640",
             "─ 227 0–640",   "│ 0 204–227",   "│ 192 204–227", "│ 320 204–227", "│ 512 204–227",
             "│ 640 204–227"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(TableRulesTest, AroundEveryCellEachRuleOnce) {
  const std::unique_ptr<QTextDocument> piece = GetParam().piece();
  lay_out(*piece, GetParam().page_height);
  EXPECT_EQ(shown(table_rules(*piece)), GetParam().expected);
}

}  // namespace
}  // namespace platewise::testing
