#include "number_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

#include "calc_error.h"

namespace platewise {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int digit_value(char c) {
  if (is_digit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::numeric_limits<int>::max();  // no digit in any radix
}

double checked(double v) {
  if (v > 1.7976931348623157e308 || v < -1.7976931348623157e308) {
    throw ArithmeticFault(FaultKind::Overflow);
  }
  return v;
}

// "&H1F" / "&O17": the digits after the prefix, in that radix.
double radix_number(std::string_view digits, int radix) {
  double value = 0.0;
  for (char c : digits) {
    const int d = digit_value(c);
    if (d >= radix) break;
    value = checked(value * radix + d);
  }
  return value;
}

// A decimal number from the start of `s` (blanks already removed).
double decimal_number(std::string_view s) {
  std::size_t i = 0;
  std::string number;  // sign, mantissa and exponent in the form from_chars reads
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') number += '-';
    ++i;
  }
  int int_digits = 0;     // significant digits before the point
  int leading_zeros = 0;  // zeros after the point before the first significant digit
  bool seen_significant = false;
  bool any_digit = false;
  for (; i < s.size() && is_digit(s[i]); ++i) {
    number += s[i];
    any_digit = true;
    if (s[i] != '0') seen_significant = true;
    if (seen_significant) ++int_digits;
  }
  if (i < s.size() && s[i] == '.') {
    number += '.';
    for (++i; i < s.size() && is_digit(s[i]); ++i) {
      number += s[i];
      any_digit = true;
      if (s[i] != '0') seen_significant = true;
      if (!seen_significant) ++leading_zeros;
    }
  }
  if (!any_digit) return 0.0;

  long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    bool negative_exponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negative_exponent = s[j++] == '-';
    if (j < s.size() && is_digit(s[j])) {
      for (; j < s.size() && is_digit(s[j]); ++j) {
        // Held at the largest int: far past any double, and no overflow of the long.
        exponent = std::min<long>(exponent * 10 + (s[j] - '0'), std::numeric_limits<int>::max());
      }
      if (negative_exponent) exponent = -exponent;
      number += 'e';
      number += std::to_string(exponent);
    }
  }

  double value{};
  const auto [end, ec] = std::from_chars(number.data(), std::to_address(number.end()), value);
  if (ec == std::errc::result_out_of_range) {
    // Out of range (never for a zero): the decimal magnitude of the first
    // significant digit tells a number too large from one too small.
    const long magnitude = (int_digits > 0 ? int_digits : -leading_zeros) + exponent;
    if (magnitude > 0) throw ArithmeticFault(FaultKind::Overflow);
    return 0.0;
  }
  return checked(value);
}

}  // namespace

double number_of_text(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  }
  if (s.starts_with('&')) {
    const std::string_view rest = std::string_view(s).substr(1);
    if (rest.starts_with('H') || rest.starts_with('h')) return radix_number(rest.substr(1), 16);
    if (rest.starts_with('O') || rest.starts_with('o')) return radix_number(rest.substr(1), 8);
    return 0.0;  // "&" followed by anything else
  }
  return decimal_number(s);
}

std::string number_text(double value) {
  if (value == 0.0) return "0";
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return std::signbit(value) ? "-INF" : "INF";
  // Whole numbers below 1E+15 have at most 15 digits: written as they are.
  if (value > -1e15 && value < 1e15 &&
      value == static_cast<double>(static_cast<long long>(value))) {
    return std::to_string(static_cast<long long>(value));
  }
  // Scientific form with 15 significant digits: "-d.dddddddddddddde+XX".
  char buf[40];
  const auto result =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  const std::string_view sci(buf, static_cast<std::size_t>(result.ptr - buf));

  const bool negative = sci.front() == '-';
  const std::size_t e_pos = sci.find('e');
  std::string digits;
  for (char c : sci.substr(negative ? 1 : 0, e_pos - (negative ? 1 : 0))) {
    if (c != '.') digits += c;
  }
  const int exponent = std::stoi(std::string(sci.substr(e_pos + 1)));  // "+20", "-05"
  digits.erase(digits.find_last_not_of('0') + 1);  // a value not 0 has a digit not 0

  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -4) {
    out += digits.front();
    if (digits.size() > 1) out.append(".").append(digits, 1);
    out.append("E").append(sci.substr(e_pos + 1));  // sign and at least two digits: "+20", "-05"
  } else if (exponent >= 0) {
    const auto int_len = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= int_len) {
      out.append(digits).append(int_len - digits.size(), '0');
    } else {
      out.append(digits, 0, int_len).append(".").append(digits, int_len);
    }
  } else {
    out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  }
  return out;
}

std::optional<double> strict_number(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (!is_digit(c) && c != '.' && c != '-' && c != '+' && c != 'E') return std::nullopt;
  }
  double value{};
  const char* const last = std::to_address(text.end());
  const auto [end, ec] = std::from_chars(text.data(), last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

double shown_number(double value) {
  // Only a value that rounds past the largest double fails to read back.
  return strict_number(number_text(value)).value_or(value);
}

}  // namespace platewise
