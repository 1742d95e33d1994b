#pragma once
// Num: a double whose every operation is checked. A division by zero, an
// overflow or the square root of a negative number raises ArithmeticFault
// instead of giving an infinity or a NaN. Each operator is one double
// operation, so formulas written with Num keep their order of evaluation.

#include <compare>

#include "calc_error.h"

namespace platewise {

class Num {
 public:
  constexpr Num() = default;
  constexpr Num(double v) : value_(v) {}  // NOLINT: constants read naturally in formulas
  constexpr double value() const { return value_; }

 private:
  double value_ = 0.0;
};

// Free functions, so that anything that converts to Num (a BeamState member,
// a constant) takes part on either side.
constexpr auto operator<=>(Num a, Num b) { return a.value() <=> b.value(); }
constexpr bool operator==(Num a, Num b) { return a.value() == b.value(); }

Num operator+(Num a, Num b);
Num operator-(Num a, Num b);
Num operator*(Num a, Num b);
Num operator/(Num a, Num b);
Num sqrt(Num a);
// Whole part: the largest whole number not greater than the value.
Num whole_part(Num a);

}  // namespace platewise
