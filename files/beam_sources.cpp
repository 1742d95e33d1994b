#include "beam_sources.h"

#include <QFile>
#include <QFileInfo>

#include "beam_file.h"
#include "beam_table.h"
#include "file_error.h"
#include "file_io.h"

namespace platewise {
namespace {

bool is_table(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool is_beam_file(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

void for_each_beam(const QStringList& files, const std::function<void(const Beam&)>& each) {
  for (const QString& path : files) {
    if (is_beam_file(path)) {
      each(parse_beam_file(read_whole_file(path), path).beam);
    } else if (is_table(path)) {
      QFile file(path);
      open_to_read(file);
      BeamTable table(file, path);
      Beam beam;
      while (table.next(beam)) each(beam);
    } else {
      throw FileError(FileFault::UnknownFileType, path, 0, {},
                      QStringLiteral("应为梁文件(.json)或梁表格(.csv)"));
    }
  }
}

}  // namespace platewise
