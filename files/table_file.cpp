#include "table_file.h"

#include <QFileInfo>

#include "beam_table.h"
#include "file_error.h"
#include "file_io.h"
#include "input_file.h"
#include "text_encoding.h"
#include "workbook_reader.h"

namespace platewise {
namespace {

bool has_suffix(const QString& path, QLatin1StringView suffix) {
  return QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

std::vector<Beam> beams_of(BeamTable& table) {
  std::vector<Beam> beams;
  for (Beam beam; table.next(beam);) beams.push_back(beam);
  return beams;
}

}  // namespace

bool is_csv_table(const QString& path) { return has_suffix(path, QLatin1StringView("csv")); }

bool is_workbook(const QString& path) { return has_suffix(path, QLatin1StringView("xlsx")); }

bool is_table(const QString& path) { return is_csv_table(path) || is_workbook(path); }

std::vector<Beam> read_table(const QString& path) {
  InputFile file(path);
  if (is_workbook(path)) return workbook_beams(read_whole(file, kProjectFileLimit), path);
  const TextEncoding encoding = detect_encoding(file, path);
  file.rewind();
  BeamTable table(file, path, encoding);
  std::vector<Beam> beams = beams_of(table);
  file.check_unchanged();
  return beams;
}

}  // namespace platewise
