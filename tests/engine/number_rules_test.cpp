// Field texts read as numbers, and numbers written as texts.

#include "number_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "calc_error.h"

namespace platewise {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr std::optional<double> kOverflow;

// The number read, or kOverflow for an overflow fault.
std::optional<double> read(const std::string& text) {
  try {
    return number_of_text(text);
  } catch (const ArithmeticFault& fault) {
    return fault.kind == FaultKind::Overflow ? kOverflow : std::nan("");
  }
}

TEST(NumberOfText, ReadsTheLeadingNumberOrOverflows) {
  const std::pair<std::string, std::optional<double>> cases[] = {
      // clang-format off
      {" 2 5 ", 25}, {"25.5.1", 25.5}, {"abc", 0}, {"", 0}, {"1e2", 100}, {"-3", -3}, {"+7", 7},
      {"4mm", 4}, {"131abc", 131}, {"1\t2\n3", 123}, {"\r5", 0}, {"1,5", 1}, {"１２", 0}, {"12１", 12},
      {"1.5D3", 1500}, {"2.5e12", 2.5e12}, {"2d-1", 0.2}, {"2E+2", 200}, {"1e0000002", 100}, {".5", 0.5}, {"5.", 5},
      {"1e", 1}, {"1e+", 1}, {"1e-", 1}, {"-", 0}, {".", 0}, {"9", 9}, {"0.09", 0.09}, {"00012", 12},
      {"0.000", 0}, {"C20", 0}, {"&H1F", 31}, {"&hff", 255}, {"&Ha", 10}, {"&HAg", 10}, {"&O17", 15},
      {"&o8", 0}, {"&o78", 7}, {"&H1.", 1}, {"&H", 0}, {"& H10", 16}, {"&X1", 0}, {"&", 0},
      {"1e-400", 0}, {"-1e-400", 0}, {"0e999999", 0}, {"0." + std::string(400, '0') + "1", 0},
      {"0." + std::string(400, '0') + "1e50", 0},  // too small: the zeros after the point count
      {"1.7976931348623157e308", kMax}, {"-1.7976931348623157e308", -kMax},
      {"1e309", kOverflow}, {"-1e400", kOverflow}, {"1.8e308", kOverflow}, {"1e99999999999999999999", kOverflow},
      {"123456789e301", kOverflow}, {"0.001e312", kOverflow}, {"1" + std::string(309, '0'), kOverflow},
      {"&H" + std::string(300, 'F'), kOverflow},
      // clang-format on
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(read(text), value) << text;
}

TEST(NumberText, FifteenSignificantDigitsPositionally) {
  const std::pair<double, const char*> cases[] = {
      // clang-format off
      {172, "172"}, {-172, "-172"}, {0.1, "0.1"}, {0.038, "0.038"}, {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"}, {2.0 * 215 * 4 / 19.5, "88.2051282051282"},
      {99.99999999999999, "100"}, {131.41957364341084, "131.419573643411"}, {-0.0, "0"},
      {-1.5, "-1.5"}, {1471.875, "1471.875"}, {123456789012345, "123456789012345"},
      {123456789012345.6, "123456789012346"}, {999999999999999.4, "999999999999999"},
      {1e15, "1E+15"}, {-1e15, "-1E+15"}, {1.5e20, "1.5E+20"}, {0.0001, "0.0001"},
      {0.00001, "1E-05"}, {-2.5e-9, "-2.5E-09"}, {1.5e-10, "1.5E-10"}, {1e-300, "1E-300"},
      {kMax, "1.79769313486232E+308"}, {kInf, "INF"}, {-kInf, "-INF"}, {std::nan(""), "NAN"},
      // clang-format on
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(number_text(value), text) << value;
}

TEST(StrictNumber, AcceptsOnlyTheFormNumberTextWrites) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      // clang-format off
      {"131.419573643411", 131.419573643411}, {"-2.5E-07", -2.5e-7}, {"1E+15", 1e15}, {"", {}},
      {" 1", {}}, {"1 ", {}}, {"4mm", {}}, {"INF", {}}, {"NAN", {}}, {"0x10", {}}, {"1e5", {}},
      {"1.79769313486232E+308", {}},  // the text of the largest double, rounded past it
      // clang-format on
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(strict_number(text), value) << text;
}

// The text of a double, read back, is that double rounded to 15 significant
// digits; writing that again gives the same text.
TEST(NumberText, ReadBackGivesTheFifteenDigitValue) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-300, 300);
  for (int i = 0; i < 3000; ++i) {
    const double v = (i % 2 ? -1 : 1) * mantissa(rng) * std::pow(10.0, exponent(rng));
    const std::string text = number_text(v);
    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.14e", v);
    ASSERT_EQ(strict_number(text), std::strtod(rounded, nullptr)) << text;
    ASSERT_EQ(number_text(*strict_number(text)), text);
  }
}

}  // namespace
}  // namespace platewise
