#include "json_duplicates.h"

#include <QSet>
#include <vector>

namespace platewise {
namespace {

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the string whose opening quote is at `at`; leaves `at` after its
// closing quote (or at the end of the text when there is none) and counts
// the line feeds on the way in `line`.
QString read_string(QByteArrayView json, qsizetype& at, int& line) {
  QString text;
  qsizetype run = ++at;  // start of the bytes not yet taken over
  const auto take_run = [&] { text += QString::fromUtf8(json.sliced(run, at - run)); };
  while (at < json.size() && json[at] != '"') {
    if (json[at] != '\\') {
      if (json[at++] == '\n') ++line;
      continue;
    }
    take_run();
    run = ++at;
    if (at >= json.size()) break;
    const char escaped = json[at++];
    switch (escaped) {
      case 'b':
        text += u'\b';
        break;
      case 'f':
        text += u'\f';
        break;
      case 'n':
        text += u'\n';
        break;
      case 'r':
        text += u'\r';
        break;
      case 't':
        text += u'\t';
        break;
      case 'u': {
        char16_t unit = 0;
        for (int i = 0; i < 4 && at < json.size() && hex_value(json[at]) >= 0; ++i, ++at) {
          unit = static_cast<char16_t>(unit * 16 + hex_value(json[at]));
        }
        text += QChar(unit);
        break;
      }
      default:
        text += QLatin1Char(escaped);  // '"', '\\', '/'
    }
    run = at;
  }
  take_run();
  if (at < json.size()) ++at;  // the closing quote
  return text;
}

struct Container {
  bool object;
  QSet<QString> keys;  // an object's keys so far
};

}  // namespace

std::optional<JsonKeyAt> first_duplicate_key(QByteArrayView json) {
  std::vector<Container> open;  // innermost last; no recursion, however deep
  bool key_next = false;        // the next string is an object's key
  int line = 1;
  qsizetype at = 0;
  while (at < json.size()) {
    const char c = json[at];
    if (c == '"') {
      const int key_line = line;
      const QString text = read_string(json, at, line);
      if (key_next && !open.empty()) {
        if (open.back().keys.contains(text)) return JsonKeyAt{text, key_line};
        open.back().keys.insert(text);
      }
      key_next = false;
      continue;
    }
    if (c == '{' || c == '[') {
      open.push_back({c == '{', {}});
      key_next = c == '{';
    } else if (c == '}' || c == ']') {
      if (!open.empty()) open.pop_back();
      key_next = false;
    } else if (c == ',') {
      key_next = !open.empty() && open.back().object;
    } else if (c == '\n') {
      ++line;
    }
    ++at;
  }
  return std::nullopt;
}

}  // namespace platewise
