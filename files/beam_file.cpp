#include "beam_file.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "crack_limit.h"
#include "file_error.h"
#include "json_duplicates.h"
#include "number_rules.h"
#include "qt_utf8.h"
#include "report_info_fields.h"
#include "text_encoding.h"

namespace platewise {
namespace {

int line_at(const QByteArray& bytes, int offset) {
  return static_cast<int>(bytes.left(offset).count('\n')) + 1;
}

class Reader {
 public:
  explicit Reader(const QString& file) : file_(file) {}

  [[noreturn]] void fail(FileFault fault, const QString& key, const QString& reason) const {
    throw FileError(fault, file_, 0, key, reason);
  }

  QJsonObject root(const QByteArray& bytes) const {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error == QJsonParseError::IllegalUTF8String) check_utf8(bytes, file_);
    if (error.error != QJsonParseError::NoError) {
      throw FileError(FileFault::BrokenJson, file_, line_at(bytes, error.offset), {},
                      QStringLiteral("不是有效的JSON"));
    }
    if (const std::optional<JsonKeyAt> twice = first_duplicate_key(bytes)) {
      throw FileError(FileFault::DuplicateKey, file_, twice->line, twice->key,
                      QStringLiteral("键重复出现，同一对象中每个键只能有一次"));
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("format") != QLatin1String(kBeamFileFormat)) {
      fail(FileFault::NotBeamFile, {},
           QStringLiteral("不是梁文件（缺少\"format\": \"%1\"）").arg(kBeamFileFormat));
    }
    const QJsonValue version = root.value("version");
    if (version.toInt() < 1) {  // 0 also for a fraction, a text or no version at all
      fail(FileFault::NotBeamFile, QStringLiteral("version"), QStringLiteral("应为正整数"));
    }
    if (version.toInt() > kBeamFileVersion) {
      fail(FileFault::NewerVersion, QStringLiteral("version"),
           QStringLiteral("文件版本%1比本程序能读的版本%2新，请使用新版Platewise")
               .arg(version.toInt())
               .arg(kBeamFileVersion));
    }
    for (auto it = root.begin(); it != root.end(); ++it) {
      static const QStringList kKeys = {"format", "version", "name", "inputs", "results", "report"};
      if (!kKeys.contains(it.key())) fail(FileFault::UnknownKey, it.key(), "不是梁文件的键");
    }
    if (version.toInt() < kReportVersion && root.contains(QStringLiteral("report"))) {
      fail(FileFault::UnknownKey, QStringLiteral("report"),
           QStringLiteral("版本%1的梁文件没有此键，版本%2起才有")
               .arg(version.toInt())
               .arg(kReportVersion));
    }
    return root;
  }

  QJsonObject object_at(const QJsonObject& root, const QString& key, bool required) const {
    const QJsonValue value = root.value(key);
    if (value.isUndefined() && !required) return {};
    if (!value.isObject()) fail(FileFault::WrongType, key, QStringLiteral("应为JSON对象"));
    return value.toObject();
  }

  Beam beam(const QJsonObject& root) const {
    Beam beam;
    const QJsonValue name = root.value("name");
    if (name.isUndefined()) {
      beam.name = utf8(QFileInfo(file_).completeBaseName());
    } else if (name.isString()) {
      beam.name = utf8(name.toString());
    } else {
      fail(FileFault::WrongType, QStringLiteral("name"), QStringLiteral("应为文字"));
    }
    beam.report = report(root, beam.name);
    const QJsonObject inputs = object_at(root, QStringLiteral("inputs"), true);
    for (auto it = inputs.begin(); it != inputs.end(); ++it) {
      const InputField* field = input_by_key(utf8(it.key()));
      if (field == nullptr) fail(FileFault::UnknownKey, it.key(), QStringLiteral("不是梁的输入项"));
      beam.inputs.push_back({field, value_of(*field, it.key(), it.value())});
    }
    return beam;
  }

  ReportInfo report(const QJsonObject& root, const std::string& name) const {
    ReportInfo info;
    info.member = name;
    const QJsonObject given = object_at(root, QStringLiteral("report"), false);
    for (auto it = given.begin(); it != given.end(); ++it) {
      const auto field =
          std::ranges::find(kReportInfoFields, utf8(it.key()), &ReportInfoField::key);
      if (field == kReportInfoFields.end() || field->key.empty()) {
        fail(FileFault::UnknownKey, it.key(), QStringLiteral("不是计算书信息的键"));
      }
      if (!it.value().isString()) fail(FileFault::WrongType, it.key(), QStringLiteral("应为文字"));
      info.*field->text = utf8(it.value().toString());
    }
    if (!is_crack_limit_text(info.crack_limit)) {
      fail(FileFault::WrongType, QStringLiteral("crack_limit"), QString::fromUtf8(kCrackLimitRule));
    }
    return info;
  }

  InputValue value_of(const InputField& field, const QString& key, const QJsonValue& value) const {
    if (field.kind == FieldKind::Check) {
      if (!value.isBool()) fail(FileFault::WrongType, key, QStringLiteral("应为true或false"));
      return value.toBool();
    }
    if (value.isString()) return utf8(value.toString());
    if (value.isDouble()) return number_text(value.toDouble());
    fail(FileFault::WrongType, key, QStringLiteral("应为文字或数"));
  }

  std::map<std::string, std::string> results(const QJsonObject& root) const {
    std::map<std::string, std::string> results;
    const QJsonObject saved = object_at(root, QStringLiteral("results"), false);
    for (auto it = saved.begin(); it != saved.end(); ++it) {
      if (result_by_key(utf8(it.key())) == nullptr) {
        fail(FileFault::UnknownKey, it.key(), QStringLiteral("不是梁的结果项"));
      }
      if (!it.value().isString()) fail(FileFault::WrongType, it.key(), QStringLiteral("应为文字"));
      results.emplace(utf8(it.key()), utf8(it.value().toString()));
    }
    return results;
  }

 private:
  const QString& file_;
};

}  // namespace

BeamFile parse_beam_file(const QByteArray& bytes, const QString& file) {
  const Reader reader(file);
  const QJsonObject root = reader.root(bytes);
  return {reader.beam(root), root.contains(QLatin1String("name")), reader.results(root)};
}

QByteArray beam_file_bytes(const Beam& beam, const std::vector<std::string>& results) {
  QJsonObject inputs;
  for (const GivenInput& input : beam.inputs) {
    const QString key = qstring(input.field->key);
    if (const bool* ticked = std::get_if<bool>(&input.value)) {
      inputs.insert(key, *ticked);
    } else {
      inputs.insert(key, qstring(std::get<std::string>(input.value)));
    }
  }
  QJsonObject shown;
  for (std::size_t i = 0; i < results.size(); ++i) {
    shown.insert(qstring(result_fields()[i].key), qstring(results[i]));
  }
  QJsonObject root = {
      {"format", kBeamFileFormat}, {"version", 1},     {"name", qstring(beam.name)},
      {"inputs", inputs},          {"results", shown},
  };
  if (carries_report_info(beam.report)) {
    QJsonObject report;
    for (const ReportInfoField& field : kReportInfoFields) {
      if (!field.key.empty()) report.insert(qstring(field.key), qstring(beam.report.*field.text));
    }
    root.insert(QStringLiteral("report"), report);
    root.insert(QStringLiteral("version"), kReportVersion);
  }
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace platewise
