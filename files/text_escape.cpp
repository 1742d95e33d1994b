#include "text_escape.h"

#include <cstdio>

namespace platewise {
namespace {

bool is_control(char16_t c) {
  return (c < 0x20 && c != u'\t' && c != u'\n') || (c >= 0x7F && c <= 0x9F);
}

std::string escape_of(char16_t c) {
  char text[8];
  std::snprintf(text, sizeof text, c < 0x80 ? "\\x%02x" : "\\u%04x", static_cast<unsigned>(c));
  return text;
}

}  // namespace

std::string escape_controls(std::string_view utf8) {
  std::string shown;
  shown.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    // A C1 control is U+0080 to U+009F, in UTF-8 0xC2 0x80 to 0xC2 0x9F.
    const bool c1 = byte == 0xC2 && i + 1 < utf8.size() &&
                    static_cast<unsigned char>(utf8[i + 1]) <= 0x9F &&
                    static_cast<unsigned char>(utf8[i + 1]) >= 0x80;
    if (c1) {
      shown += escape_of(static_cast<unsigned char>(utf8[++i]));
    } else if (byte < 0x80 && is_control(byte)) {
      shown += escape_of(byte);
    } else {
      shown += utf8[i];
    }
  }
  return shown;
}

QString escape_controls(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (const QChar c : text) {
    if (is_control(c.unicode())) {
      shown += QString::fromStdString(escape_of(c.unicode()));
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace platewise
