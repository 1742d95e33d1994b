#include "checked_number.h"

#include <cmath>

namespace platewise {
namespace {

Num finite_or_overflow(double v) {
  if (!std::isfinite(v)) throw ArithmeticFault(FaultKind::Overflow);
  return Num(v);
}

}  // namespace

Num operator+(Num a, Num b) { return finite_or_overflow(a.value() + b.value()); }
Num operator-(Num a, Num b) { return finite_or_overflow(a.value() - b.value()); }
Num operator*(Num a, Num b) { return finite_or_overflow(a.value() * b.value()); }

Num operator/(Num a, Num b) {
  if (b.value() == 0.0) {
    // 0/0 has no value at all and is reported as an overflow.
    throw ArithmeticFault(a.value() == 0.0 ? FaultKind::Overflow : FaultKind::DivisionByZero);
  }
  return finite_or_overflow(a.value() / b.value());
}

Num sqrt(Num a) {
  if (a.value() < 0.0) throw ArithmeticFault(FaultKind::InvalidArgument);
  return Num(std::sqrt(a.value()));
}

Num whole_part(Num a) { return Num(std::floor(a.value())); }

}  // namespace platewise
