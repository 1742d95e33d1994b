#include "option_words.h"

#include <QString>
#include <algorithm>
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
  const QString option = qstring(cell).trimmed().toLower();
  const auto word = std::ranges::find(kOptionWords, option, &std::pair<QString, bool>::first);
  if (word == std::end(kOptionWords)) return std::nullopt;
  return word->second;
}

}  // namespace platewise
