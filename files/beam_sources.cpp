#include "beam_sources.h"

#include <QFileInfo>

#include "beam_file.h"
#include "beam_table.h"
#include "file_error.h"
#include "file_io.h"
#include "output_target.h"

namespace platewise {
namespace {

bool is_table(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool is_beam_file(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

BeamSources::BeamSources(const QStringList& files, const OutputTarget* output) {
  for (const QString& path : files) {
    if (!is_beam_file(path) && !is_table(path)) {
      throw FileError(FileFault::UnknownFileType, path, 0, {},
                      QStringLiteral("应为梁文件(.json)或梁表格(.csv)"));
    }
    auto file = std::make_unique<InputFile>(path);
    if (output != nullptr) output->refuse_input(*file);
    Source& source = sources_.emplace_back();
    if (is_beam_file(path)) {
      source.beam = parse_beam_file(read_whole(*file), path).beam;
      ++beam_count_;
      continue;
    }
    source.encoding = detect_encoding(*file, path);
    file->rewind();
    BeamTable table(*file, path, source.encoding);
    Beam row;
    while (table.next(row)) ++beam_count_;
    file->check_unchanged();
    source.table = std::move(file);
  }
}

BeamSources::~BeamSources() = default;

void BeamSources::for_each_beam(const std::function<void(const Beam&)>& each) {
  for (Source& source : sources_) {
    if (!source.table) {
      each(source.beam);
      continue;
    }
    InputFile& file = *source.table;
    file.rewind();
    BeamTable table(file, file.path(), source.encoding);
    Beam beam;
    while (table.next(beam)) each(beam);
    file.check_unchanged();
  }
}

}  // namespace platewise
