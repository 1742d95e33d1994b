#include "text_escape.h"

#include <cstdio>

namespace platewise {
namespace {

bool is_bidi_control(char32_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

bool is_control(char32_t c) {
  return (c < 0x20 && c != U'\t' && c != U'\n') || (c >= 0x7F && c <= 0x9F) || is_bidi_control(c);
}

std::string escape_of(char32_t c) {
  char text[8];
  std::snprintf(text, sizeof text, c < 0x80 ? "\\x%02x" : "\\u%04x", static_cast<unsigned>(c));
  return text;
}

// The character whose UTF-8 sequence starts at `at` when it is a control
// of two or three bytes, with the length of its sequence; else 0.
std::pair<char32_t, std::size_t> control_at(std::string_view utf8, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return at + i < utf8.size() ? static_cast<unsigned char>(utf8[at + i]) : 0u;
  };
  const auto continues = [&](std::size_t i) { return (byte(i) & 0xC0) == 0x80; };
  if (byte(0) >= 0xC0 && byte(0) < 0xE0 && continues(1)) {
    const char32_t c = ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
    if (is_control(c)) return {c, 2};
  } else if (byte(0) >= 0xE0 && byte(0) < 0xF0 && continues(1) && continues(2)) {
    const char32_t c = ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    if (is_control(c)) return {c, 3};
  }
  return {0, 0};
}

}  // namespace

std::string escape_controls(std::string_view utf8) {
  std::string shown;
  shown.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      if (is_control(byte)) {
        shown += escape_of(byte);
      } else {
        shown += utf8[i];
      }
    } else if (const auto [c, length] = control_at(utf8, i); length > 0) {
      shown += escape_of(c);
      i += length - 1;
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
