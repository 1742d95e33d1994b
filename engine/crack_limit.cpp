#include "crack_limit.h"

#include <charconv>
#include <cmath>

namespace platewise {
namespace {

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::optional<double> crack_limit_mm(std::string_view text) {
  const std::string_view number = trimmed(text);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::fixed);
  if (number.empty() || error != std::errc{} || end != number.data() + number.size() ||
      !std::isfinite(value) || value <= 0) {
    return std::nullopt;
  }
  return value;
}

bool is_crack_limit_text(std::string_view text) {
  return trimmed(text).empty() || crack_limit_mm(text).has_value();
}

}  // namespace platewise
