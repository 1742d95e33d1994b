#include "number_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "calc_error.h"
#include "checked_number.h"

namespace platewise {
namespace {

struct Reading {
  const char* text;
  double value;
};

TEST(NumberOfText, ReadsTheLeadingNumber) {
  const Reading cases[] = {
      {" 2 5 ", 25},   {"25.5.1", 25.5}, {"abc", 0},    {"", 0},         {"1e2", 100},
      {"-3", -3},      {"+7", 7},        {"4mm", 4},    {"131abc", 131}, {"1\t2\n3", 123},
      {"1.5D3", 1500}, {"2d-1", 0.2},    {"2E+2", 200}, {".5", 0.5},     {"5.", 5},
      {"1e", 1},       {"1e+", 1},       {"-", 0},      {".", 0},        {"&H1F", 31},
      {"&hff", 255},   {"&O17", 15},     {"&o8", 0},    {"&H", 0},       {"& H10", 16},
      {"１２", 0},     {"12１", 12},     {"C20", 0},    {"1e-400", 0},   {"0e999999", 0},
      {"00012", 12},   {"0.000", 0},     {"1,5", 1},    {"\r5", 0},
  };
  for (const Reading& c : cases) {
    EXPECT_EQ(number_of_text(c.text), c.value) << "text: \"" << c.text << "\"";
  }
}

TEST(NumberOfText, RaisesOverflowForANumberTooLargeForADouble) {
  for (const std::string& text :
       std::vector<std::string>{"1e309", "-1e400", "1.8e308", "1e99999999999999999999",
                                "123456789e301", "&H" + std::string(300, 'F')}) {
    try {
      number_of_text(text);
      ADD_FAILURE() << "no overflow for " << text;
    } catch (const ArithmeticFault& f) {
      EXPECT_EQ(f.kind, FaultKind::Overflow) << text;
    }
  }
  EXPECT_EQ(number_of_text("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(NumberText, WritesFifteenSignificantDigitsPositionally) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {172, "172"},
      {0.038, "0.038"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {2.0 * 215 * 4 / 19.5, "88.2051282051282"},
      {99.99999999999999, "100"},
      {131.41957364341084, "131.419573643411"},
      {-0.0, "0"},
      {0, "0"},
      {-1.5, "-1.5"},
      {1471.875, "1471.875"},
      {229.33333333333334, "229.333333333333"},
      {123456789012345, "123456789012345"},
      {999999999999999.4, "999999999999999"},
      {1e15, "1E+15"},
      {1.5e20, "1.5E+20"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {-2.5e-7, "-2.5E-07"},
      {1e-300, "1E-300"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
  };
  for (const auto& c : cases) EXPECT_EQ(number_text(c.value), c.text) << c.value;
}

TEST(StrictNumber, AcceptsOnlyTheFormNumberTextWrites) {
  EXPECT_EQ(strict_number("131.419573643411"), 131.419573643411);
  EXPECT_EQ(strict_number("-2.5E-07"), -2.5e-7);
  EXPECT_EQ(strict_number("1E+15"), 1e15);
  for (const char* bad : {"", " 1", "1 ", "4mm", "inf", "nan", "0x10", "1e5", "abc"}) {
    EXPECT_FALSE(strict_number(bad).has_value()) << bad;
  }
}

TEST(WholePart, RoundsTowardMinusInfinity) {
  EXPECT_EQ(whole_part(Num(23.5) + 0.5).value(), 24);
  EXPECT_EQ(whole_part(131.999).value(), 131);
  EXPECT_EQ(whole_part(-1.55).value(), -2);
  EXPECT_EQ(whole_part(-1.5).value(), -2);
}

// Number text then number of that text gives back the value rounded to 15 digits.
TEST(NumberTextRoundTrip, GivesBackTheFifteenDigitValue) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-300, 300);
  for (int i = 0; i < 20000; ++i) {
    const double v = (i % 2 ? -1 : 1) * mantissa(rng) * std::pow(10.0, exponent(rng));
    const std::string text = number_text(v);
    char expected[40];
    std::snprintf(expected, sizeof expected, "%.14e", v);
    EXPECT_EQ(number_of_text(text), std::strtod(expected, nullptr)) << text;
    EXPECT_EQ(number_text(number_of_text(text)), text);
  }
}

// Whatever the bytes, reading gives a number or an overflow, nothing else.
TEST(NumberOfText, ArbitraryBytesGiveANumberOrAnOverflow) {
  std::mt19937 rng(7);
  const std::string pieces[] = {"1",
                                "9",
                                ".",
                                "-",
                                "+",
                                "e",
                                "E",
                                "D",
                                "d",
                                "&H",
                                "&O",
                                " ",
                                "\t",
                                "\n",
                                "F",
                                "99999",
                                "e400",
                                "e-400",
                                "梁底无需加固",
                                "\xff",
                                "\xc3",
                                "\x80",
                                "A3号钢",
                                "0"};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(0, 12);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (int n = length(rng); n > 0; --n) {
      text += (i % 3 == 0) ? std::string(1, static_cast<char>(byte(rng))) : pieces[pick(rng)];
    }
    try {
      EXPECT_TRUE(std::isfinite(number_of_text(text)));
    } catch (const ArithmeticFault& f) {
      EXPECT_EQ(f.kind, FaultKind::Overflow);
    }
  }
}

}  // namespace
}  // namespace platewise
