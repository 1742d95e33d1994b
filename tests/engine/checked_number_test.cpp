// Checked arithmetic: a fault where a double would give an infinity or a NaN.

#include <gtest/gtest.h>

#include "beam_state.h"

namespace platewise {
namespace {

TEST(CheckedNumber, FaultsInsteadOfInfinitiesAndNaNs) {
  const std::pair<Num (*)(), const char*> cases[] = {
      // clang-format off
      {[] { return Num(1) / 0; }, "除数为零"},       {[] { return Num(-1) / 0; }, "除数为零"},
      {[] { return Num(0) / 0; }, "溢出"},           {[] { return Num(1e308) * 10; }, "溢出"},
      {[] { return Num(1e308) + 1e308; }, "溢出"},   {[] { return Num(-1e308) - 1e308; }, "溢出"},
      {[] { return Num(1e300) / 1e-300; }, "溢出"},  {[] { return sqrt(-1e-9); }, "无效的参数"},
      {[] { return sqrt(0); }, ""},
      // clang-format on
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    std::string fault;
    try {
      cases[i].first();
    } catch (const ArithmeticFault& f) {
      fault = f.what();
    }
    EXPECT_EQ(fault, cases[i].second) << "row " << i;
  }
}

TEST(CheckedNumber, WholePartRoundsTowardMinusInfinity) {
  EXPECT_EQ(whole_part(Num(23.5) + 0.5).value(), 24);
  EXPECT_EQ(whole_part(-1.55).value(), -2);
}

}  // namespace
}  // namespace platewise
