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

// Digits with at most one point and nothing else ("330", "0.2", ".5"):
// what most inputs are, read without the general rules' copy.
bool plain_decimal(std::string_view text) {
  if (text.empty() || text.size() > 300) return false;  // far from any overflow
  bool point = false, digit = false;
  for (char c : text) {
    if (is_digit(c)) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// `value` (finite, not 0) in scientific form with 15 significant digits,
// "-d.dddddddddddddde+XX"; returns the end of the text.
char* scientific_15(double value, char* buf, char* end) {
  return std::to_chars(buf, end, value, std::chars_format::scientific, 14).ptr;
}

}  // namespace

double number_of_text(std::string_view text) {
  if (plain_decimal(text)) {
    double value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  }
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
  char buf[40];
  const char* const last = scientific_15(value, buf, buf + sizeof buf);
  const char* p = buf;
  const bool negative = *p == '-';
  if (negative) ++p;
  char digits[16];
  int count = 0;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  const char* const exponent_text = p + 1;  // sign and at least two digits: "+20", "-05"
  int exponent = 0;
  std::from_chars(exponent_text + (*exponent_text == '+' ? 1 : 0), last, exponent);
  while (count > 1 && digits[count - 1] == '0') --count;  // a value not 0 has a digit not 0

  char text[48];
  char* out = text;
  const auto put = [&out](const char* from, int n) {
    for (int i = 0; i < n; ++i) *out++ = from[i];
  };
  if (negative) *out++ = '-';
  if (exponent >= 15 || exponent < -4) {
    *out++ = digits[0];
    if (count > 1) {
      *out++ = '.';
      put(digits + 1, count - 1);
    }
    *out++ = 'E';
    put(exponent_text, static_cast<int>(last - exponent_text));
  } else if (exponent >= 0) {
    const int int_len = exponent + 1;
    if (count <= int_len) {
      put(digits, count);
      for (int i = count; i < int_len; ++i) *out++ = '0';
    } else {
      put(digits, int_len);
      *out++ = '.';
      put(digits + int_len, count - int_len);
    }
  } else {
    *out++ = '0';
    *out++ = '.';
    for (int i = 0; i < -exponent - 1; ++i) *out++ = '0';
    put(digits, count);
  }
  return std::string(text, out);
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
  // The shown text is the 15-digit decimal, read back; only a value that
  // rounds past the largest double fails to read back and stays.
  if (value == 0.0) return 0.0;
  if (!std::isfinite(value)) return value;
  char buf[40];
  const char* const last = scientific_15(value, buf, buf + sizeof buf);
  double shown = value;
  const auto [end, ec] = std::from_chars(buf, last, shown);
  return ec == std::errc() ? shown : value;
}

}  // namespace platewise
