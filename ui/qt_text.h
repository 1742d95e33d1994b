#pragma once
// The design and the engine keep texts as UTF-8; Qt keeps them as QString.

#include <QString>
#include <string_view>

namespace platewise {

inline QString qt_text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace platewise
