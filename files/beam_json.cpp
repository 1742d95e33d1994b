#include "beam_json.h"

#include <QJsonDocument>
#include <algorithm>

#include "crack_limit.h"
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

}  // namespace

QJsonObject json_object_of(const QByteArray& bytes, const QString& file, FileFault not_object,
                           const QString& not_object_reason) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error == QJsonParseError::IllegalUTF8String) check_utf8(bytes, file);
  if (error.error != QJsonParseError::NoError) {
    throw FileError(FileFault::BrokenJson, file, line_at(bytes, error.offset), {},
                    QStringLiteral("不是有效的JSON"));
  }
  if (const std::optional<JsonKeyAt> twice = first_duplicate_key(bytes)) {
    throw FileError(FileFault::DuplicateKey, file, twice->line, twice->key,
                    QStringLiteral("键重复出现，同一对象中每个键只能有一次"));
  }
  if (!document.isObject()) throw FileError(not_object, file, 0, {}, not_object_reason);
  return document.object();
}

void BeamJsonReader::fail(FileFault fault, const QString& key, const QString& reason) const {
  if (beam_ > 0) throw FileError(fault, file_, BeamNumber{beam_}, key, reason);
  throw FileError(fault, file_, 0, key, reason);
}

void BeamJsonReader::refuse_other_keys(const QJsonObject& object, const QStringList& keys,
                                       const QString& reason) const {
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (!keys.contains(it.key())) fail(FileFault::UnknownKey, it.key(), reason);
  }
}

QJsonObject BeamJsonReader::object_at(const QJsonObject& parent, const QString& key,
                                      bool required) const {
  const QJsonValue value = parent.value(key);
  if (value.isUndefined() && !required) return {};
  if (!value.isObject()) fail(FileFault::WrongType, key, QStringLiteral("应为JSON对象"));
  return value.toObject();
}

std::string BeamJsonReader::text_at(const QJsonObject& parent, const QString& key,
                                    const std::string& otherwise) const {
  const QJsonValue value = parent.value(key);
  if (value.isUndefined()) return otherwise;
  if (!value.isString()) fail(FileFault::WrongType, key, QStringLiteral("应为文字"));
  return utf8(value.toString());
}

std::vector<GivenInput> BeamJsonReader::inputs(const QJsonObject& inputs) const {
  std::vector<GivenInput> given;
  for (auto it = inputs.begin(); it != inputs.end(); ++it) {
    const InputField* field = input_by_key(utf8(it.key()));
    if (field == nullptr) fail(FileFault::UnknownKey, it.key(), QStringLiteral("不是梁的输入项"));
    given.push_back({field, value_of(*field, it.key(), it.value())});
  }
  return given;
}

InputValue BeamJsonReader::value_of(const InputField& field, const QString& key,
                                    const QJsonValue& value) const {
  if (field.kind == FieldKind::Check) {
    if (!value.isBool()) fail(FileFault::WrongType, key, QStringLiteral("应为true或false"));
    return value.toBool();
  }
  if (value.isString()) return utf8(value.toString());
  if (value.isDouble()) return number_text(value.toDouble());
  fail(FileFault::WrongType, key, QStringLiteral("应为文字或数"));
}

std::map<std::string, std::string> BeamJsonReader::results(const QJsonObject& saved) const {
  std::map<std::string, std::string> results;
  for (auto it = saved.begin(); it != saved.end(); ++it) {
    if (result_by_key(utf8(it.key())) == nullptr) {
      fail(FileFault::UnknownKey, it.key(), QStringLiteral("不是梁的结果项"));
    }
    results.emplace(utf8(it.key()), text_at(saved, it.key(), {}));
  }
  return results;
}

ReportInfo BeamJsonReader::report(const QJsonObject& given) const {
  ReportInfo info;
  for (auto it = given.begin(); it != given.end(); ++it) {
    const auto field = std::ranges::find(kReportInfoFields, utf8(it.key()), &ReportInfoField::key);
    if (field == kReportInfoFields.end() || field->key.empty()) {
      fail(FileFault::UnknownKey, it.key(), QStringLiteral("不是计算书信息的键"));
    }
    info.*field->text = text_at(given, it.key(), {});
  }
  if (!is_crack_limit_text(info.crack_limit)) {
    fail(FileFault::WrongType, QStringLiteral("crack_limit"), QString::fromUtf8(kCrackLimitRule));
  }
  return info;
}

QJsonObject inputs_json(const std::vector<GivenInput>& given) {
  QJsonObject inputs;
  for (const GivenInput& input : given) {
    const QString key = qstring(input.field->key);
    if (const bool* ticked = std::get_if<bool>(&input.value)) {
      inputs.insert(key, *ticked);
    } else {
      inputs.insert(key, qstring(std::get<std::string>(input.value)));
    }
  }
  return inputs;
}

QJsonObject results_json(const std::map<std::string, std::string>& results) {
  QJsonObject shown;
  for (const auto& [key, text] : results) shown.insert(qstring(key), qstring(text));
  return shown;
}

QJsonObject report_json(const ReportInfo& info) {
  QJsonObject report;
  for (const ReportInfoField& field : kReportInfoFields) {
    if (!field.key.empty()) report.insert(qstring(field.key), qstring(info.*field.text));
  }
  return report;
}

}  // namespace platewise
