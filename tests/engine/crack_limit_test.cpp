// The crack-width limit as the engineer types it: which texts stand as a
// limit, and the limit they give.

#include "crack_limit.h"

#include <gtest/gtest.h>

#include <string>

namespace platewise {
namespace {

struct LimitCase {
  const char* title;
  std::string text;
  std::optional<double> limit;  // nothing: no limit given
  bool allowed;
};

void PrintTo(const LimitCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class CrackLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(CrackLimit, GivesItsLimitOrNone) {
  EXPECT_EQ(crack_limit_mm(GetParam().text), GetParam().limit);
  EXPECT_EQ(is_crack_limit_text(GetParam().text), GetParam().allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CrackLimit,
    ::testing::Values(
        LimitCase{"Decimal", "0.3", 0.3, true}, LimitCase{"BlanksAround", " 0.2\t", 0.2, true},
        LimitCase{"WithoutLeadingZero", ".25", 0.25, true}, LimitCase{"Whole", "1", 1, true},
        LimitCase{"Empty", "", std::nullopt, true},
        LimitCase{"OnlyBlanks", "  ", std::nullopt, true},
        LimitCase{"Zero", "0", std::nullopt, false},
        LimitCase{"Negative", "-0.2", std::nullopt, false},
        LimitCase{"WithUnit", "0.2mm", std::nullopt, false},
        LimitCase{"Exponent", "2e-1", 0.2, true}, LimitCase{"ExponentCapital", "1E2", 100, true},
        LimitCase{"ExponentD", "1d-1", 0.1, true}, LimitCase{"PlusSign", "+0.2", 0.2, true},
        LimitCase{"ExponentWithoutDigits", "2e", std::nullopt, false},
        LimitCase{"BlankInside", "0. 2", std::nullopt, false},
        LimitCase{"TooSmallForADouble", "1e-400", std::nullopt, false},
        LimitCase{"TooLargeForADouble", "1e400", std::nullopt, false},
        LimitCase{"Hexadecimal", "&H1", std::nullopt, false},
        LimitCase{"Infinite", "inf", std::nullopt, false},
        LimitCase{"Words", "默认", std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.title); });

}  // namespace
}  // namespace platewise
