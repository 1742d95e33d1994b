// libFuzzer target for the readers of outside data: the same bytes as a beam
// file, a project file, a workbook and a table of beams, its encoding found first; the
// search for repeated JSON keys and the escaping of control characters on them too. Reading may
// refuse the bytes with a FileError; it must never crash, hang or read out of bounds.

#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "beam_file.h"
#include "beam_table.h"
#include "file_error.h"
#include "json_duplicates.h"
#include "project_file.h"
#include "text_encoding.h"
#include "text_escape.h"
#include "workbook_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  // Both take any bytes, not only the JSON and the text they are meant for.
  platewise::first_duplicate_key(bytes);
  platewise::escape_controls(std::string_view(bytes.constData(), size));
  try {
    platewise::parse_beam_file(bytes, "fuzz.json");
  } catch (const platewise::FileError&) {
  }
  try {
    platewise::parse_project_file(bytes, "fuzz.pwproj");
  } catch (const platewise::FileError&) {
  }
  try {
    platewise::workbook_beams(bytes, "fuzz.xlsx");
  } catch (const platewise::FileError&) {
  }
  QBuffer table;
  table.setData(bytes);
  table.open(QIODevice::ReadOnly);
  try {
    const platewise::TextEncoding encoding = platewise::detect_encoding(table, "fuzz.csv");
    table.seek(0);
    platewise::BeamTable beams(table, "fuzz.csv", encoding);
    platewise::Beam beam;
    while (beams.next(beam)) {
    }
  } catch (const platewise::FileError&) {
  }
  return 0;
}
