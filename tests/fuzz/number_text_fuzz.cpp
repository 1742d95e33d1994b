// The text of any double (its 8 bytes are the input). Infinities and NaN give
// "INF", "-INF" and "NAN". For a finite x, let r be x rounded to 15 significant
// digits: when r is within the range of doubles, strict reading of the text
// gives the double nearest to r (x itself exactly when x is the nearest double
// to some decimal of at most 15 digits), reading it as a field text gives the
// same, and writing that again gives the same text. When r passes the largest
// double (x above about 1.797693134862315E+308), strict reading gives nothing
// and reading it as a field text is an overflow.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc_error.h"
#include "number_rules.h"

namespace platewise {

bool overflows(const std::string& text) {
  try {
    number_of_text(text);
    return false;
  } catch (const ArithmeticFault& fault) {
    return fault.kind == FaultKind::Overflow;
  }
}

bool holds(double x) {
  const std::string text = number_text(x);
  if (std::isnan(x)) return text == "NAN";
  if (std::isinf(x)) return text == (x > 0 ? "INF" : "-INF");
  char rounded[40];
  std::snprintf(rounded, sizeof rounded, "%.14e", x);
  const double r = std::strtod(rounded, nullptr);
  if (std::isinf(r)) return !strict_number(text) && overflows(text);
  return strict_number(text) == r && number_of_text(text) == r && number_text(r) == text;
}

}  // namespace platewise

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double x = 0;
  if (size != sizeof x) return 0;
  std::memcpy(&x, data, sizeof x);
  if (!platewise::holds(x)) std::abort();
  return 0;
}
