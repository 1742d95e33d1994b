#pragma once
// A beam's parts as JSON, as beam files and project files hold them: its
// inputs (texts as typed, a JSON number standing for its number text,
// true/false for the two options), its results (texts, by result key) and
// its report information (texts, by the keys of report_info_fields.h).
// Reading refuses unknown keys and values of the wrong type, naming the key.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

#include "beam.h"
#include "file_error.h"

namespace platewise {

// The JSON object `bytes` holds (UTF-8). Throws FileError(BrokenJson) naming
// the line, (BadEncoding) for bytes that are no UTF-8, and `not_object` for
// JSON that is no object.
QJsonObject json_object_of(const QByteArray& bytes, const QString& file, FileFault not_object,
                           const QString& not_object_reason);

class BeamJsonReader {
 public:
  // `file` names the file in messages; `beam` the beam's number in a
  // project file, 0 for a beam file.
  explicit BeamJsonReader(const QString& file, int beam = 0) : file_(file), beam_(beam) {}

  [[noreturn]] void fail(FileFault fault, const QString& key, const QString& reason) const;
  // Refuses a key of `object` that is not among `keys`.
  void refuse_other_keys(const QJsonObject& object, const QStringList& keys,
                         const QString& reason) const;
  // The object at `key` of `parent`; an empty one when it is left out and not `required`.
  QJsonObject object_at(const QJsonObject& parent, const QString& key, bool required) const;
  // The text at `key`, or `otherwise` when it is left out.
  std::string text_at(const QJsonObject& parent, const QString& key,
                      const std::string& otherwise) const;

  std::vector<GivenInput> inputs(const QJsonObject& inputs) const;
  std::map<std::string, std::string> results(const QJsonObject& results) const;
  // The member is left empty: it is the beam's name.
  ReportInfo report(const QJsonObject& report) const;

 private:
  InputValue value_of(const InputField& field, const QString& key, const QJsonValue& value) const;

  QString file_;
  int beam_;
};

QJsonObject inputs_json(const std::vector<GivenInput>& inputs);
QJsonObject results_json(const std::map<std::string, std::string>& results);
// Every key of the report information but the member.
QJsonObject report_json(const ReportInfo& info);

}  // namespace platewise
