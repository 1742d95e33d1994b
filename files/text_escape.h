#pragma once
// Text from files (beam names, keys, file names) shown on a terminal or in a
// message without its control characters: each one but tab and line feed
// is written as an escape, so that an escape sequence in a name cannot act on
// the terminal, and neither can a bidirectional control reorder what the
// terminal shows around it. C0 controls (NUL included) and DEL become
// "\x1b", C1 controls "\u009b", the bidirectional controls (U+061C,
// U+200E/F, U+202A to U+202E, U+2066 to U+2069) "\u202e".

#include <QString>
#include <string>
#include <string_view>

namespace platewise {

std::string escape_controls(std::string_view utf8);
QString escape_controls(const QString& text);

}  // namespace platewise
