#include "report_typography.h"

namespace platewise {
namespace {

constexpr std::string_view kMinus = "\u2212";
constexpr std::string_view kNoBreakSpace = "\u00A0";

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_latin_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The last character of `text`, as its UTF-8 bytes; empty at the start.
std::string_view last_character(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0) {
    --start;
    if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) break;
  }
  return text.substr(start);
}

// Whether a hyphen after `before` and before `after` is a minus sign: a
// number follows, and what comes before ends no word, number or bracket.
bool is_minus(std::string_view before, std::string_view after) {
  const bool number_follows =
      !after.empty() &&
      (is_digit(after[0]) || (after.size() > 1 && after[0] == '.' && is_digit(after[1])));
  if (!number_follows) return false;
  const std::string_view previous = last_character(before);
  static constexpr std::string_view kOpening[] = {"",   " ",  "\u00A0", "(", "[", "=", "<", ">",
                                                  ",",  "+",  "*",      "/", ":", "×", "÷", "（",
                                                  "，", "：", "≤",      "≥", "≈", "{"};
  for (std::string_view opening : kOpening) {
    if (previous == opening) return true;
  }
  return false;
}

// Whether a blank after `before` and before `after` parts a value from its unit.
bool parts_value_and_unit(std::string_view before, std::string_view after) {
  if (before.empty() || after.empty()) return false;
  const char last = before.back();
  return (is_digit(last) || last == '}') && (is_latin_letter(after[0]) || after[0] == '%');
}

}  // namespace

std::string typeset_line(std::string_view text) {
  std::string set;
  set.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string_view before = text.substr(0, i);
    const std::string_view after = text.substr(i + 1);
    if (text[i] == '-' && is_minus(before, after)) {
      set += kMinus;
    } else if (text[i] == ' ' && parts_value_and_unit(before, after)) {
      set += kNoBreakSpace;
    } else {
      set += text[i];
    }
  }
  return set;
}

}  // namespace platewise
