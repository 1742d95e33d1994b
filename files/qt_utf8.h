#pragma once
// The engine keeps texts as UTF-8 std::string; Qt keeps them as QString.

#include <QString>
#include <string>
#include <string_view>

namespace platewise {

inline QString qstring(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace platewise
