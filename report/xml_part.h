#pragma once
// Writing one XML part of a package: a QXmlStreamWriter on a byte array,
// with the document's start and end, and the few helpers both editable
// formats use.

#include <QByteArray>
#include <QXmlStreamWriter>
#include <string_view>

namespace platewise {

class XmlPart {
 public:
  XmlPart() : xml_(&bytes_) { xml_.writeStartDocument(); }
  XmlPart(const XmlPart&) = delete;
  XmlPart& operator=(const XmlPart&) = delete;

  QXmlStreamWriter& xml() { return xml_; }
  // The whole part, its open elements closed.
  QByteArray finish() {
    xml_.writeEndDocument();
    return bytes_;
  }

  // <name a1="v1" a2="v2" …/>
  void empty(std::string_view name,
             std::initializer_list<std::pair<std::string_view, QString>> attributes = {});
  void start(std::string_view name,
             std::initializer_list<std::pair<std::string_view, QString>> attributes = {});
  void end() { xml_.writeEndElement(); }
  // <name>text</name>
  void text_element(std::string_view name, const QString& text);

 private:
  QByteArray bytes_;
  QXmlStreamWriter xml_;
};

// A length as ODF writes it: "25mm", "10.5pt".
QString mm(double millimetres);
QString pt(double points);

}  // namespace platewise
