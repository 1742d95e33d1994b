// How the outline cuts a text into spans: where the face changes (Chinese in
// the Song face, the rest in the serif), a blank with the piece it is in,
// and the marks as scripts.

#include "report_outline.h"

#include <gtest/gtest.h>

namespace platewise::testing {
namespace {

// Spans as "S:text" (Song) or "L:text" (Latin), "_" before a subscript; a
// blank that opens a piece goes with what follows it.
std::string faces_of(std::string_view marked) {
  std::string shown;
  for (const outline::Span& span : outline::spans_of(marked)) {
    shown += std::string(shown.empty() ? "" : "|") +
             (span.face == outline::Face::Song ? "S:" : "L:") +
             (span.script == Script::Sub ? "_" : "") + span.text;
  }
  return shown;
}

TEST(OutlineSpans, CutWhereTheFaceChanges) {
  const std::pair<const char*, const char*> cases[] = {
      {"梁宽 b = 330 mm，满足", "S:梁宽 |L:b = 330 mm|S:，满足"},
      {"A_{s,b} “钢”", "L:A|L:_s,b|S: “钢”"},
      // The edges of the ranges set in Song: U+2E80, U+9FFF, U+F900, U+FE30, U+FF00, U+20000.
      {"\u2E7F\u2E80\u9FFF\uA000", "L:\u2E7F|S:\u2E80\u9FFF|L:\uA000"},
      {"\uF8FF\uF900\uFE2F\uFE30\uFE50\uFF00\uFFEF\uFFF0",
       "L:\uF8FF|S:\uF900|L:\uFE2F|S:\uFE30|L:\uFE50|S:\uFF00\uFFEF|L:\uFFF0"},
      {"x\U00020000", "L:x|S:\U00020000"},
  };
  for (const auto& [marked, shown] : cases) EXPECT_EQ(faces_of(marked), shown) << marked;
}

}  // namespace
}  // namespace platewise::testing
