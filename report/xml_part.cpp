#include "xml_part.h"

namespace platewise {
namespace {

QString name_of(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void write_attributes(QXmlStreamWriter& xml,
                      std::initializer_list<std::pair<std::string_view, QString>> attributes) {
  for (const auto& [name, value] : attributes) xml.writeAttribute(name_of(name), value);
}

}  // namespace

void XmlPart::empty(std::string_view name,
                    std::initializer_list<std::pair<std::string_view, QString>> attributes) {
  xml_.writeEmptyElement(name_of(name));
  write_attributes(xml_, attributes);
}

void XmlPart::start(std::string_view name,
                    std::initializer_list<std::pair<std::string_view, QString>> attributes) {
  xml_.writeStartElement(name_of(name));
  write_attributes(xml_, attributes);
}

void XmlPart::text_element(std::string_view name, const QString& text) {
  xml_.writeTextElement(name_of(name), text);
}

QString mm(double millimetres) { return QString::number(millimetres, 'g', 6) + "mm"; }
QString pt(double points) { return QString::number(points, 'g', 6) + "pt"; }

}  // namespace platewise
