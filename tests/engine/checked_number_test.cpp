// Checked arithmetic: a fault where a double would give an infinity or a NaN.

#include <gtest/gtest.h>

#include "beam_state.h"

namespace platewise {
namespace {

TEST(CheckedNumber, FaultsInsteadOfInfinitiesAndNaNs) {
  const struct {
    const char* name;
    Num (*operation)();
    const char* fault;  // "" when the operation gives a number
  } cases[] = {
      {"1 / 0", [] { return Num(1) / 0; }, "除数为零"},
      {"-1 / 0", [] { return Num(-1) / 0; }, "除数为零"},
      {"0 / 0", [] { return Num(0) / 0; }, "溢出"},
      {"1e308 * 10", [] { return Num(1e308) * 10; }, "溢出"},
      {"1e308 + 1e308", [] { return Num(1e308) + 1e308; }, "溢出"},
      {"-1e308 - 1e308", [] { return Num(-1e308) - 1e308; }, "溢出"},
      {"1e300 / 1e-300", [] { return Num(1e300) / 1e-300; }, "溢出"},
      {"sqrt(-1e-9)", [] { return sqrt(-1e-9); }, "无效的参数"},
      {"sqrt(0)", [] { return sqrt(0); }, ""},
  };
  for (const auto& c : cases) {
    std::string fault;
    try {
      c.operation();
    } catch (const ArithmeticFault& f) {
      fault = f.what();
    }
    EXPECT_EQ(fault, c.fault) << c.name;
  }
}

TEST(CheckedNumber, WholePartRoundsTowardMinusInfinity) {
  const std::pair<Num, double> cases[] = {
      {Num(23.5) + 0.5, 24}, {131.999, 131}, {-1.55, -2}, {-1.5, -2}, {3, 3}};
  for (const auto& [value, whole] : cases) EXPECT_EQ(whole_part(value).value(), whole);
}

TEST(Member, UnsetCountsAsZeroAndShowsEmpty) {
  BeamState s;
  EXPECT_EQ((s.anchor_length * 5 + 1).value(), 1);
  EXPECT_EQ(s.anchor_length.text(), "");
  s.anchor_length = 0;
  EXPECT_EQ(s.anchor_length.text(), "0");
}

}  // namespace
}  // namespace platewise
