#include "option_words.h"

#include <QString>
#include <algorithm>
#include <string>
#include <utility>

#include "qt_utf8.h"

namespace platewise {
namespace {

const std::pair<QString, bool> kOptionWords[] = {
    {"true", true}, {"1", true},   {"是", true}, {"false", false},
    {"0", false},   {"否", false}, {"", false},
};

}  // namespace

std::optional<bool> option_word(std::string_view cell) {
  // The words as tables hold them, without converting the text; any other
  // text (non-ASCII blanks, full-width letters) as Qt trims and lowers it.
  const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  std::string_view trimmed = cell;
  while (!trimmed.empty() && blank(trimmed.front())) trimmed.remove_prefix(1);
  while (!trimmed.empty() && blank(trimmed.back())) trimmed.remove_suffix(1);
  if (trimmed.size() <= 5 && std::ranges::all_of(trimmed, [](char c) {
        return c > ' ' && static_cast<unsigned char>(c) < 0x80;
      })) {
    std::string lower(trimmed);
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "true" || lower == "1") return true;
    if (lower == "false" || lower == "0" || lower.empty()) return false;
    return std::nullopt;
  }
  if (trimmed == "是") return true;
  if (trimmed == "否") return false;
  const QString option = qstring(cell).trimmed().toLower();
  const auto word = std::ranges::find(kOptionWords, option, &std::pair<QString, bool>::first);
  if (word == std::end(kOptionWords)) return std::nullopt;
  return word->second;
}

}  // namespace platewise
