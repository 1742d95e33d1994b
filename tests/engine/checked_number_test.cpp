#include "checked_number.h"

#include <gtest/gtest.h>

#include "beam_state.h"

namespace platewise {
namespace {

FaultKind fault_of(Num (*operation)()) {
  try {
    operation();
  } catch (const ArithmeticFault& f) {
    return f.kind;
  }
  ADD_FAILURE() << "no fault";
  return FaultKind::InvalidArgument;
}

TEST(CheckedNumber, FaultsInsteadOfInfinitiesAndNaNs) {
  EXPECT_EQ(fault_of([] { return Num(1) / 0; }), FaultKind::DivisionByZero);
  EXPECT_EQ(fault_of([] { return Num(0) / 0; }), FaultKind::Overflow);
  EXPECT_EQ(fault_of([] { return Num(1e308) * 10; }), FaultKind::Overflow);
  EXPECT_EQ(fault_of([] { return Num(1e308) + 1e308; }), FaultKind::Overflow);
  EXPECT_EQ(fault_of([] { return sqrt(-1e-9); }), FaultKind::InvalidArgument);
  EXPECT_EQ(sqrt(0).value(), 0);
}

TEST(Member, UnsetCountsAsZeroAndShowsEmpty) {
  BeamState s;
  EXPECT_FALSE(s.anchor_length.is_set());
  EXPECT_EQ(s.anchor_length.text(), "");
  EXPECT_EQ((s.anchor_length * 5 + 1).value(), 1);
  EXPECT_TRUE(s.beam_width <= s.beam_height);
  s.anchor_length = 0;
  EXPECT_EQ(s.anchor_length.text(), "0");
  s.anchor_length = Num(2) * 215 * 4 / 7.5;
  EXPECT_EQ(s.anchor_length.text(), "229.333333333333");
}

}  // namespace
}  // namespace platewise
