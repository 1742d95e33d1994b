// Tab-separated text as spreadsheets copy it: what each text reads as, and
// that writing reads back as the same cells.

#include "tsv.h"

#include <gtest/gtest.h>

namespace platewise {
namespace {

struct TsvCase {
  const char* title;
  std::string text;
  TsvRows rows;
};

class TsvTest : public testing::TestWithParam<TsvCase> {};

TEST_P(TsvTest, ReadsAsItsCellsAndWritesBackToTheSameCells) {
  EXPECT_EQ(parse_tsv(GetParam().text), GetParam().rows);
  EXPECT_EQ(parse_tsv(tsv_text(GetParam().rows)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TsvTest,
    testing::Values(TsvCase{"Empty", "", {}}, TsvCase{"OneCellWithoutLineEnd", "330", {{"330"}}},
                    TsvCase{"RowsByLfOrCrlf", "a\tb\r\n1\t2\n", {{"a", "b"}, {"1", "2"}}},
                    TsvCase{"EmptyCellsKept", "\t\t3\n\n", {{"", "", "3"}, {""}}},
                    TsvCase{"QuotedTabBreakAndQuote",
                            "\"a\tb\"\t\"c\nd\"\t\"e\"\"f\"\n",
                            {{"a\tb", "c\nd", "e\"f"}}},
                    TsvCase{"QuoteInsideACellIsText", "2\"5\t\"\"\n", {{"2\"5", ""}}},
                    TsvCase{"UnclosedQuoteTakesTheRest", "\"a\tb\nc", {{"a\tb\nc"}}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(Tsv, WritesQuotesOnlyWhereTheyAreNeeded) {
  EXPECT_EQ(tsv_text({{"KL-1", "A3号钢:4(厚)X131(宽)", "a\"b"}, {""}}),
            "KL-1\tA3号钢:4(厚)X131(宽)\t\"a\"\"b\"\n\n");
}

}  // namespace
}  // namespace platewise
