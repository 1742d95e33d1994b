#include "project_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include "beam_file.h"
#include "beam_json.h"
#include "file_io.h"
#include "qt_utf8.h"
#include "table_file.h"

namespace platewise {
namespace {

const QString kBeams = QStringLiteral("beams");

QJsonObject checked_root(const QByteArray& bytes, const QString& file) {
  const BeamJsonReader reader(file);
  const QString not_project =
      QStringLiteral("不是工程文件（缺少\"format\": \"%1\"）").arg(kProjectFileFormat);
  const QJsonObject root = json_object_of(bytes, file, FileFault::NotBeamFile, not_project);
  if (root.value("format") != QLatin1String(kProjectFileFormat)) {
    reader.fail(FileFault::NotBeamFile, {}, not_project);
  }
  const int version = root.value("version").toInt();  // 0 also for a fraction or a text
  if (version < 1) {
    reader.fail(FileFault::NotBeamFile, QStringLiteral("version"), QStringLiteral("应为正整数"));
  }
  if (version > kProjectFileVersion) {
    reader.fail(FileFault::NewerVersion, QStringLiteral("version"),
                QStringLiteral("文件版本%1比本程序能读的版本%2新，请使用新版Platewise")
                    .arg(version)
                    .arg(kProjectFileVersion));
  }
  reader.refuse_other_keys(root, {"format", "version", "report", "beams"},
                           QStringLiteral("不是工程文件的键"));
  if (!root.value(kBeams).isArray()) {
    reader.fail(FileFault::WrongType, kBeams, QStringLiteral("应为JSON数组"));
  }
  return root;
}

ProjectBeam beam_of(const QJsonValue& value, const QString& file, int number,
                    const ReportInfo& report) {
  const BeamJsonReader reader(file, number);
  if (!value.isObject()) reader.fail(FileFault::WrongType, {}, QStringLiteral("应为JSON对象"));
  const QJsonObject entry = value.toObject();
  reader.refuse_other_keys(entry, {"name", "inputs", "results"}, QStringLiteral("不是梁的键"));
  ProjectBeam beam;
  beam.beam.name = reader.text_at(entry, QStringLiteral("name"),
                                  utf8(QFileInfo(file).fileName()) + ':' + std::to_string(number));
  beam.beam.inputs = reader.inputs(reader.object_at(entry, QStringLiteral("inputs"), true));
  beam.results = reader.results(reader.object_at(entry, QStringLiteral("results"), false));
  beam.beam.report = report;
  beam.beam.report.member = beam.beam.name;
  return beam;
}

Project project_of_beams(std::vector<Beam> beams, ReportInfo report) {
  Project project;
  project.report = std::move(report);
  project.report.member.clear();
  for (Beam& beam : beams) {
    beam.report = project.report;
    beam.report.member = beam.name;
    project.beams.push_back({std::move(beam), {}});
  }
  return project;
}

}  // namespace

bool is_project_file(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("pwproj"), Qt::CaseInsensitive) == 0;
}

Project read_project(const QString& path) {
  if (is_project_file(path)) {
    return parse_project_file(read_whole_file(path, kProjectFileLimit), path);
  }
  if (is_beam_file(path)) {
    BeamFile file = parse_beam_file(read_whole_file(path), path);
    Project project = project_of_beams({file.beam}, file.beam.report);
    project.beams.front().results = std::move(file.results);
    return project;
  }
  if (is_table(path)) return project_of_beams(read_table(path), {});
  throw FileError(FileFault::UnknownFileType, path, 0, {},
                  QStringLiteral("应为工程文件(.pwproj)、梁表格(.xlsx、.csv)或梁文件(.json)"));
}

Project parse_project_file(const QByteArray& bytes, const QString& file) {
  const QJsonObject root = checked_root(bytes, file);
  const BeamJsonReader reader(file);
  Project project;
  project.report = reader.report(reader.object_at(root, QStringLiteral("report"), false));
  const QJsonArray beams = root.value(kBeams).toArray();
  project.beams.reserve(static_cast<std::size_t>(beams.size()));
  for (qsizetype i = 0; i < beams.size(); ++i) {
    project.beams.push_back(beam_of(beams[i], file, static_cast<int>(i) + 1, project.report));
  }
  return project;
}

QByteArray project_file_bytes(const Project& project) {
  QJsonArray beams;
  for (const ProjectBeam& beam : project.beams) {
    QJsonObject entry = {{"name", qstring(beam.beam.name)},
                         {"inputs", inputs_json(beam.beam.inputs)}};
    if (!beam.results.empty()) entry.insert(QStringLiteral("results"), results_json(beam.results));
    beams.append(entry);
  }
  const QJsonObject root = {{"format", kProjectFileFormat},
                            {"version", kProjectFileVersion},
                            {"report", report_json(project.report)},
                            {"beams", beams}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void write_project_file(const QString& path, const Project& project) {
  write_atomically(path, project_file_bytes(project));
}

}  // namespace platewise
