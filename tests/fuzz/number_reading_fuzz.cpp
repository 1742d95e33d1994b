// Reading any bytes as a number gives a finite number or an overflow fault;
// strict reading gives a finite number or nothing. Neither reads past the text.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc_error.h"
#include "number_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    if (!std::isfinite(platewise::number_of_text(text))) std::abort();
  } catch (const platewise::ArithmeticFault& fault) {
    if (fault.kind != platewise::FaultKind::Overflow) std::abort();
  }
  const auto strict = platewise::strict_number(text);
  if (strict && !std::isfinite(*strict)) std::abort();
  return 0;
}
