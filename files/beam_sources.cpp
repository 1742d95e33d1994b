#include "beam_sources.h"

#include "beam_table.h"
#include "file_error.h"
#include "file_io.h"
#include "output_target.h"
#include "project_file.h"
#include "table_file.h"
#include "workbook_reader.h"

namespace platewise {

BeamSources::BeamSources(const QStringList& files, const OutputTarget* output) {
  for (const QString& path : files) {
    if (!is_beam_file(path) && !is_project_file(path) && !is_table(path)) {
      throw FileError(FileFault::UnknownFileType, path, 0, {},
                      QStringLiteral("应为梁文件(.json)、工程文件(.pwproj)或梁表格(.csv、.xlsx)"));
    }
    auto file = std::make_unique<InputFile>(path);
    if (output != nullptr) output->refuse_input(*file);
    Source& source = sources_.emplace_back();
    if (is_beam_file(path)) {
      source.beams.push_back(parse_beam_file(read_whole(*file), path).beam);
    } else if (is_project_file(path)) {
      Project project = parse_project_file(read_whole(*file, kProjectFileLimit), path);
      for (ProjectBeam& beam : project.beams) source.beams.push_back(std::move(beam.beam));
    } else if (is_workbook(path)) {
      source.beams = workbook_beams(read_whole(*file, kProjectFileLimit), path);
    } else {
      source.encoding = detect_encoding(*file, path);
      file->rewind();
      BeamTable table(*file, path, source.encoding);
      while (table.check_next()) ++beam_count_;
      file->check_unchanged();
      source.table = std::move(file);
    }
    beam_count_ += static_cast<int>(source.beams.size());
  }
}

BeamSources::~BeamSources() = default;

void BeamSources::for_each_beam(const std::function<void(const Beam&)>& each) {
  for (Source& source : sources_) {
    for (const Beam& beam : source.beams) each(beam);
    if (!source.table) continue;
    InputFile& file = *source.table;
    file.rewind();
    BeamTable table(file, file.path(), source.encoding);
    Beam beam;
    while (table.next(beam)) each(beam);
    file.check_unchanged();
  }
}

}  // namespace platewise
