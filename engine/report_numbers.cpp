#include "report_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "number_rules.h"

namespace platewise {
namespace {

constexpr int kMostDigits = 17;  // enough to tell any two doubles apart

// The report's spelling of a number text: "−" for "-", "×10^{…}" for "E…".
std::string spelled(const std::string& text) {
  std::string out;
  std::size_t i = 0;
  for (; i < text.size() && text[i] != 'E'; ++i) {
    if (text[i] == '-') {
      out += "−";
    } else {
      out += text[i];
    }
  }
  if (i == text.size()) return out;
  // "E+20", "E-05": the sign, then the digits without leading zeros.
  std::size_t digits = i + 2;
  while (digits + 1 < text.size() && text[digits] == '0') ++digits;
  out.append("×10^{");
  if (text[i + 1] == '-') out.append("−");
  return out.append(text, digits).append("}");
}

// `value` to `digits` significant figures, halves away from zero (981.25 gives 981.3).
double rounded(double value, int digits) {
  if (!std::isfinite(value) || value == 0 || digits >= kMostDigits) return value;
  // "-d.dddddddddddddddde+XXX": 17 figures name any double.
  char text[40];
  const char* const text_end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 16).ptr;
  const char* p = text;
  const bool negative = *p == '-';
  if (negative) ++p;
  char figures[kMostDigits];
  int count = 0;
  for (; *p != 'e'; ++p) {
    if (*p != '.') figures[count++] = *p;
  }
  int exponent = 0;
  std::from_chars(p + (p[1] == '+' ? 2 : 1), text_end, exponent);
  unsigned long long kept = 0;
  for (int i = 0; i < digits; ++i) kept = kept * 10 + static_cast<unsigned>(figures[i] - '0');
  if (figures[digits] >= '5') ++kept;
  char decimal[48];
  const int length = std::snprintf(decimal, sizeof decimal, "%s%llue%d", negative ? "-" : "", kept,
                                   exponent - digits + 1);
  double out = value;
  std::from_chars(decimal, decimal + length, out);
  return out;
}

// 4, or as many as there are digits before the point from 1000 up.
int usual_digits(double value) {
  const double size = std::fabs(value);
  if (size < 1000 || size >= 1e15 || !std::isfinite(size)) return 4;
  return static_cast<int>(std::floor(std::log10(size))) + 1;
}

}  // namespace

std::string exact_text(double value) { return spelled(number_text(value)); }

std::string approx_text(double value) {
  return spelled(number_text(rounded(value, usual_digits(value))));
}

std::string approx_text_keeping(double value, double (*rule)(double)) {
  int digits = usual_digits(value);
  while (digits < kMostDigits && rule(rounded(value, digits)) != rule(value)) ++digits;
  return spelled(number_text(rounded(value, digits)));
}

}  // namespace platewise
