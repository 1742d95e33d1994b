#pragma once
// Text from files (beam names, keys, file names) shown on a terminal or in a
// message without its control characters: each one but tab and line feed
// is written as an escape, so that an escape sequence in a name cannot act on
// the terminal. C0 controls and DEL become "\x1b", C1 controls "\u009b".

#include <QString>
#include <string>
#include <string_view>

namespace platewise {

std::string escape_controls(std::string_view utf8);
QString escape_controls(const QString& text);

}  // namespace platewise
