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

using platewise::number_of_text;
using platewise::number_text;
using platewise::strict_number;

namespace {

void check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double x = 0;
  if (size != sizeof x) return 0;
  std::memcpy(&x, data, sizeof x);
  const std::string text = number_text(x);
  if (std::isnan(x)) {
    check(text == "NAN");
  } else if (std::isinf(x)) {
    check(text == (x > 0 ? "INF" : "-INF"));
  } else {
    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.14e", x);
    const double r = std::strtod(rounded, nullptr);
    if (std::isinf(r)) {
      check(!strict_number(text).has_value());
      try {
        number_of_text(text);
        check(false);
      } catch (const platewise::ArithmeticFault& fault) {
        check(fault.kind == platewise::FaultKind::Overflow);
      }
    } else {
      check(strict_number(text) == r);
      check(number_of_text(text) == r);
      check(number_text(r) == text);
    }
  }
  return 0;
}
