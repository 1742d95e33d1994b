// The marks of report texts: subscripts and superscripts, and texts without marks.

#include "report_text.h"

#include <gtest/gtest.h>

namespace platewise::testing {
namespace {

// Runs written as "normal|_sub|^super".
std::string shown(std::string_view marked) {
  std::string text;
  for (const TextRun& run : text_runs(marked)) {
    if (!text.empty()) text += '|';
    text += run.script == Script::Sub ? "_" : run.script == Script::Super ? "^" : "";
    text += run.text;
  }
  return text;
}

TEST(ReportText, MarksBecomeRunsAndAnythingElseStandsForItself) {
  const std::pair<const char*, const char*> cases[] = {
      {"A_{s,b} = 1800 mm^{2}", "A|_s,b| = 1800 mm|^2"},
      {"h_{0}", "h|_0"},
      {"10^{6}_{x}", "10|^6|_x"},
      {"a_b ^ c_", "a_b ^ c_"},
      {"σ_{s", "σ|_s"},
      {"_{}x", "x"},
      {"", ""},
  };
  for (const auto& [marked, runs] : cases) EXPECT_EQ(shown(marked), runs) << marked;
  EXPECT_EQ(unmarked("ΔA_{s,b} = A_{s,req,b} − A_{s,b}"), "ΔAs,b = As,req,b − As,b");
}

}  // namespace
}  // namespace platewise::testing
