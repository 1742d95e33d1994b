#include "beam_file.h"

#include <QFileInfo>
#include <QJsonDocument>

#include "beam_json.h"
#include "qt_utf8.h"
#include "report_info_fields.h"

namespace platewise {
namespace {

QJsonObject checked_root(const QByteArray& bytes, const BeamJsonReader& reader,
                         const QString& file) {
  const QString not_beam_file =
      QStringLiteral("不是梁文件（缺少\"format\": \"%1\"）").arg(kBeamFileFormat);
  const QJsonObject root = json_object_of(bytes, file, FileFault::NotBeamFile, not_beam_file);
  if (root.value("format") != QLatin1String(kBeamFileFormat)) {
    reader.fail(FileFault::NotBeamFile, {}, not_beam_file);
  }
  const QJsonValue version = root.value("version");
  if (version.toInt() < 1) {  // 0 also for a fraction, a text or no version at all
    reader.fail(FileFault::NotBeamFile, QStringLiteral("version"), QStringLiteral("应为正整数"));
  }
  if (version.toInt() > kBeamFileVersion) {
    reader.fail(FileFault::NewerVersion, QStringLiteral("version"),
                QStringLiteral("文件版本%1比本程序能读的版本%2新，请使用新版Platewise")
                    .arg(version.toInt())
                    .arg(kBeamFileVersion));
  }
  reader.refuse_other_keys(root, {"format", "version", "name", "inputs", "results", "report"},
                           QStringLiteral("不是梁文件的键"));
  if (version.toInt() < kReportVersion && root.contains(QStringLiteral("report"))) {
    reader.fail(FileFault::UnknownKey, QStringLiteral("report"),
                QStringLiteral("版本%1的梁文件没有此键，版本%2起才有")
                    .arg(version.toInt())
                    .arg(kReportVersion));
  }
  return root;
}

}  // namespace

bool is_beam_file(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

BeamFile parse_beam_file(const QByteArray& bytes, const QString& file) {
  const BeamJsonReader reader(file);
  const QJsonObject root = checked_root(bytes, reader, file);
  BeamFile read;
  read.named = root.contains(QLatin1String("name"));
  read.beam.name =
      reader.text_at(root, QStringLiteral("name"), utf8(QFileInfo(file).completeBaseName()));
  read.beam.report = reader.report(reader.object_at(root, QStringLiteral("report"), false));
  read.beam.report.member = read.beam.name;
  read.beam.inputs = reader.inputs(reader.object_at(root, QStringLiteral("inputs"), true));
  read.results = reader.results(reader.object_at(root, QStringLiteral("results"), false));
  return read;
}

QByteArray beam_file_bytes(const Beam& beam, const std::vector<std::string>& results) {
  std::map<std::string, std::string> shown;
  for (std::size_t i = 0; i < results.size(); ++i) {
    shown.emplace(result_fields()[i].key, results[i]);
  }
  QJsonObject root = {
      {"format", kBeamFileFormat},      {"version", 1},
      {"name", qstring(beam.name)},     {"inputs", inputs_json(beam.inputs)},
      {"results", results_json(shown)},
  };
  if (carries_report_info(beam.report)) {
    root.insert(QStringLiteral("report"), report_json(beam.report));
    root.insert(QStringLiteral("version"), kReportVersion);
  }
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace platewise
