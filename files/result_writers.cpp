#include "result_writers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "csv.h"
#include "qt_utf8.h"
#include "results_workbook.h"
#include "text_escape.h"

namespace platewise {
namespace {

QJsonObject json_of(const std::string& name, const BeamOutcome& outcome) {
  QJsonObject results;
  for (std::size_t i = 0; i < outcome.results.size(); ++i) {
    results.insert(qstring(result_fields()[i].key), qstring(outcome.results[i]));
  }
  QJsonValue error;  // null
  if (outcome.error) {
    error = QJsonObject{{"kind", qstring(fault_of(outcome.error->kind).key)},
                        {"step", qstring(step_of(outcome.error->step).key)},
                        {"message", qstring(describe(*outcome.error))}};
  }
  QJsonArray checks;
  for (const DesignCheck& check : outcome.checks) {
    checks.append(QJsonObject{{"check", qstring(check_rule(check.key).file_key)},
                              {"verdict", qstring(verdict_word(check.verdict))},
                              {"text", qstring(check.text)}});
  }
  return {{"name", qstring(name)}, {"results", results}, {"error", error}, {"checks", checks}};
}

class TextWriter final : public ResultWriter {
 public:
  explicit TextWriter(QIODevice& out) : out_(out) {}
  void write(const Beam& beam, const BeamOutcome& outcome) override {
    const std::string& name = beam.name;
    std::string text = first_ ? "" : "\n";
    first_ = false;
    text.append("梁：").append(name).append("\n");
    for (std::size_t i = 0; i < outcome.results.size(); ++i) {
      text.append(result_fields()[i].label).append("：").append(outcome.results[i]).append("\n");
    }
    if (outcome.error) text.append("错误：").append(describe(*outcome.error)).append("\n");
    for (const DesignCheck& check : outcome.checks) {
      if (check.key == CheckKey::ListItem) text.append("注意：").append(check.text).append("\n");
    }
    if (!outcome.checks.empty()) text.append(checks_summary(outcome.checks)).append("\n");
    text = escape_controls(text);
    out_.write(text.data(), static_cast<qint64>(text.size()));
  }

 private:
  QIODevice& out_;
  bool first_ = true;
};

class JsonWriter final : public ResultWriter {
 public:
  JsonWriter(QIODevice& out, bool one_a_line) : out_(out), one_a_line_(one_a_line) {}
  void write(const Beam& beam, const BeamOutcome& outcome) override {
    if (!one_a_line_) out_.write(count_++ == 0 ? "[\n" : ",\n");
    out_.write(QJsonDocument(json_of(beam.name, outcome)).toJson(QJsonDocument::Compact));
    if (one_a_line_) out_.write("\n");
  }
  void finish() override {
    if (!one_a_line_) out_.write(count_ == 0 ? "[]\n" : "\n]\n");
  }

 private:
  QIODevice& out_;
  bool one_a_line_;
  int count_ = 0;
};

class CsvWriter final : public ResultWriter {
 public:
  explicit CsvWriter(QIODevice& out) : out_(out) {
    std::vector<std::string> header = {"name"};
    for (const ResultField& field : result_fields()) header.emplace_back(field.key);
    header.emplace_back("verdict");
    header.emplace_back("error");
    pending_ = "\xEF\xBB\xBF" + csv_record(header);
  }
  void write(const Beam& beam, const BeamOutcome& outcome) override {
    append_csv_cell(pending_, beam.name, true);
    for (const std::string& result : outcome.results) {
      pending_ += ',';
      append_csv_cell(pending_, result, true);
    }
    const std::optional<Verdict> worst = worst_verdict(outcome.checks);
    pending_ += ',';
    append_csv_cell(pending_, worst ? verdict_word(*worst) : std::string_view());
    pending_ += ',';
    if (outcome.error) append_csv_cell(pending_, describe(*outcome.error), true);
    pending_ += "\r\n";
    if (pending_.size() >= kFlushAt) flush();
  }
  void finish() override { flush(); }

 private:
  // Rows go out some tens of kilobytes at a time.
  static constexpr std::size_t kFlushAt = 1 << 16;
  void flush() {
    out_.write(pending_.data(), static_cast<qint64>(pending_.size()));
    pending_.clear();
  }

  QIODevice& out_;
  std::string pending_;
};

class WorkbookWriter final : public ResultWriter {
 public:
  WorkbookWriter(QIODevice& out, const QString& file) : out_(out), file_(file) {}
  void write(const Beam& beam, const BeamOutcome& outcome) override {
    if (rows_.empty() || (info_.project.empty() && !beam.report.project.empty())) {
      info_ = beam.report;
    }
    rows_.push_back({beam.name, outcome});
  }
  void finish() override { out_.write(results_workbook_bytes(rows_, info_, file_)); }

 private:
  QIODevice& out_;
  QString file_;
  std::vector<ResultRow> rows_;
  ReportInfo info_;
};

}  // namespace

std::optional<OutputFormat> output_format_named(const QString& name) {
  if (name == QLatin1String("text")) return OutputFormat::Text;
  if (name == QLatin1String("json")) return OutputFormat::Json;
  if (name == QLatin1String("jsonl")) return OutputFormat::JsonLines;
  if (name == QLatin1String("csv")) return OutputFormat::Csv;
  if (name == QLatin1String("xlsx")) return OutputFormat::Workbook;
  return std::nullopt;
}

std::unique_ptr<ResultWriter> result_writer(OutputFormat format, QIODevice& out,
                                            const QString& file) {
  switch (format) {
    case OutputFormat::Text:
      return std::make_unique<TextWriter>(out);
    case OutputFormat::Json:
      return std::make_unique<JsonWriter>(out, false);
    case OutputFormat::JsonLines:
      return std::make_unique<JsonWriter>(out, true);
    case OutputFormat::Csv:
      return std::make_unique<CsvWriter>(out);
    case OutputFormat::Workbook:
      return std::make_unique<WorkbookWriter>(out, file);
  }
  return nullptr;
}

}  // namespace platewise
