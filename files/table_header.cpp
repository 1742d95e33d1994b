#include "table_header.h"

#include <QString>
#include <algorithm>

#include "qt_utf8.h"

namespace platewise {
namespace {

// A header text as it is compared: blanks around it gone, full-width
// brackets as ASCII ones, in lower case.
QString folded(std::string_view text) {
  QString folded = qstring(text).trimmed().toLower();
  folded.replace(QChar(0xFF08), QLatin1Char('(')).replace(QChar(0xFF09), QLatin1Char(')'));
  return folded;
}

template <typename Field>
const Field* field_named(std::span<const Field> fields, std::string_view cell) {
  const QString name = folded(cell);
  const auto found = std::ranges::find_if(fields, [&](const Field& field) {
    return qstring(field.key) == name || folded(field.label) == name;
  });
  return found == fields.end() ? nullptr : &*found;
}

}  // namespace

const InputField* input_of_header(std::string_view cell) {
  return field_named(input_fields(), cell);
}

const ResultField* result_of_header(std::string_view cell) {
  return field_named(result_fields(), cell);
}

bool is_name_header(std::string_view cell) {
  const QString name = folded(cell);
  return name == qstring(kNameHeader) || name == qstring(kNameLabel);
}

}  // namespace platewise
