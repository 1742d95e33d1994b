// How the report writes numbers: in full as the window shows them, or to 4
// significant figures, with the report's minus sign and exponents.

#include "report_numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace platewise {
namespace {

double whole(double value) { return std::floor(value); }

struct NumberCase {
  const char* name;
  std::string (*write)(double);
  double value;
  const char* text;
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << c.name; }

class ReportNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReportNumbers, Written) { EXPECT_EQ(GetParam().write(GetParam().value), GetParam().text); }

std::string kept_whole(double value) { return approx_text_keeping(value, whole); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ReportNumbers, ::testing::Values(
    NumberCase{"InFull", exact_text, 131.41957364341084, "131.419573643411"},
    NumberCase{"InFullNegative", exact_text, -5, "−5"},
    NumberCase{"InFullSmall", exact_text, -1.5e-5, "−1.5×10^{−5}"},
    NumberCase{"FourFigures", approx_text, 46.78123, "46.78"},
    NumberCase{"FourFiguresBelowOne", approx_text, 0.0181350626118068, "0.01814"},
    NumberCase{"HalvesAwayFromZero", approx_text, 981.25, "981.3"},
    NumberCase{"NegativeHalvesAwayFromZero", approx_text, -981.25, "−981.3"},
    NumberCase{"WholeFrom1000Up", approx_text, 65360.0000000001, "65360"},
    NumberCase{"WholeFrom1000UpRounded", approx_text, 1471.875, "1472"},
    NumberCase{"RoundedUpTo1000", approx_text, 999.96, "1000"},
    NumberCase{"FourFiguresJustUnder1000", approx_text, 999.44, "999.4"},
    NumberCase{"Zero", approx_text, 0, "0"},
    NumberCase{"Tiny", approx_text, 3.0013e-12, "3.001×10^{−12}"},
    NumberCase{"Huge", approx_text, 1.23456e20, "1.235×10^{20}"},
    NumberCase{"KeptUntilTheWholePartShows", kept_whole, 130.99996, "130.99996"},
    NumberCase{"KeptAtFourWhenTheyDo", kept_whole, 6.5702, "6.57"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace platewise
