#pragma once
// A ZIP package written in memory, as .docx and .odt files are: the parts
// in the order given, each stored or deflated, all dated alike so that the
// same report gives the same bytes.

#include <QByteArray>
#include <span>
#include <string>

namespace platewise {

struct PackagePart {
  std::string name;  // "word/document.xml"
  QByteArray bytes;
  bool stored = false;  // kept uncompressed, as an ODF package's mimetype must be
};

// The package's bytes; empty when it could not be made.
QByteArray zip_package(std::span<const PackagePart> parts);

}  // namespace platewise
