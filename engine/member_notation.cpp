#include "member_notation.h"

#include <optional>

#include "result_texts.h"

namespace platewise {
namespace {

constexpr std::string_view kTimes = "×";
constexpr std::string_view kMinus = "−";
constexpr std::string_view kNbsp = "\u00A0";  // keeps a short form on one line

// A number at the front of `text` (digits and one point), taken off it.
std::optional<std::string_view> take_number(std::string_view& text) {
  std::size_t n = 0;
  bool point = false;
  while (n < text.size() && ((text[n] >= '0' && text[n] <= '9') || (text[n] == '.' && !point))) {
    point = point || text[n] == '.';
    ++n;
  }
  if (n == 0 || text[n - 1] == '.') return std::nullopt;
  const std::string_view number = text.substr(0, n);
  text.remove_prefix(n);
  return number;
}

bool take(std::string_view& text, std::string_view word) {
  if (!text.starts_with(word)) return false;
  text.remove_prefix(word.size());
  return true;
}

// "3(厚)X36(宽bu)X150(高Lu)@100" as "3×36@100"; nullopt when it is not of that form.
std::optional<std::string> u_plate(std::string_view text) {
  const auto t = take_number(text);
  if (!t || !take(text, "(厚)X")) return std::nullopt;
  const auto bu = take_number(text);
  if (!bu || !take(text, "(宽bu)X") || !take_number(text) || !take(text, "(高Lu)@")) {
    return std::nullopt;
  }
  const auto s = take_number(text);
  if (!s || !text.empty()) return std::nullopt;
  return std::string(*t).append(kTimes).append(*bu).append("@").append(*s);
}

}  // namespace

std::string compact_plate(std::string_view text) {
  if (text == kNoBottomPlate || text == kNoTopPlate) return "无需加固";
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return std::string(text);
  std::string_view steel = text.substr(0, colon);
  std::string_view rest = text.substr(colon + 1);
  const auto t = take_number(rest);
  if (!t || !take(rest, "(厚)X")) return std::string(text);
  const auto b = take_number(rest);
  if (!b || rest != "(宽)") return std::string(text);
  if (steel.ends_with("号钢")) {
    steel.remove_suffix(std::string_view("号钢").size());
  } else if (steel.ends_with("钢")) {
    steel.remove_suffix(std::string_view("钢").size());
  }
  std::string shown = std::string(kMinus).append(*t).append(kTimes).append(*b);
  if (!steel.empty()) shown.append(kNbsp).append(steel);
  return shown;
}

std::string compact_u_plates(std::string_view text) {
  if (text == kStirrupsEnough) return "无需加固";
  return u_plate(text).value_or(std::string(text));
}

std::string compact_hoops(std::string_view text) {
  std::string_view rest = text;
  const auto count = take_number(rest);
  if (!count || !take(rest, "个")) return std::string(text);
  const std::optional<std::string> plates = u_plate(rest);
  if (!plates) return std::string(text);
  return std::string(*count).append("个").append(*plates);
}

std::string without_mm(std::string_view text) {
  std::string_view number = text;
  if (!number.ends_with("mm")) return std::string(text);
  number.remove_suffix(2);
  std::string_view check = number;
  if (check.starts_with('-')) check.remove_prefix(1);
  return take_number(check) && check.empty() ? std::string(number) : std::string(text);
}

}  // namespace platewise
