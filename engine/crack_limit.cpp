#include "crack_limit.h"

#include <cmath>

#include "calc_error.h"
#include "number_rules.h"

namespace platewise {
namespace {

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Skips the digits from `at`; how many there were.
std::size_t skip_digits(std::string_view s, std::size_t& at) {
  const std::size_t from = at;
  while (at < s.size() && is_digit(s[at])) ++at;
  return at - from;
}

// Whether `s` is, whole, a decimal number of the form number_of_text reads:
// a sign, digits with one point, an exponent after E, e, D or d.
bool is_whole_decimal(std::string_view s) {
  std::size_t at = 0;
  if (at < s.size() && (s[at] == '+' || s[at] == '-')) ++at;
  std::size_t digits = skip_digits(s, at);
  if (at < s.size() && s[at] == '.') digits += skip_digits(s, ++at);
  if (digits == 0) return false;
  if (at < s.size() && (s[at] == 'E' || s[at] == 'e' || s[at] == 'D' || s[at] == 'd')) {
    if (++at < s.size() && (s[at] == '+' || s[at] == '-')) ++at;
    if (skip_digits(s, at) == 0) return false;
  }
  return at == s.size();
}

}  // namespace

std::optional<double> crack_limit_mm(std::string_view text) {
  const std::string_view number = trimmed(text);
  if (!is_whole_decimal(number)) return std::nullopt;
  try {
    // The inputs' own reader, so that "2E-1" is the same number in both.
    const double value = number_of_text(number);
    if (std::isfinite(value) && value > 0) return value;
  } catch (const ArithmeticFault&) {
    // too large for a double: no limit
  }
  return std::nullopt;
}

bool is_crack_limit_text(std::string_view text) {
  return trimmed(text).empty() || crack_limit_mm(text).has_value();
}

}  // namespace platewise
