#pragma once
// How the calc command writes the results of its beams, one beam at a time:
//   text   "梁：KL-3" and one "label：text" line a result, then "错误：…" if it
//          stopped, "注意：…" for each drop-down whose text names no item, and
//          "验算：…" summing up the checks; a blank line between
//          beams; control characters but tab and line feed escaped ("\x1b");
//   json   an array of {"name": …, "results": {key: text…}, "error": null |
//          {"kind": …, "step": …, "message": "裂缝验算中断：除数为零"},
//          "checks": [{"check": key, "verdict": "满足", "text": …}…]}, one a line;
//   jsonl  the same objects, one a line;
//   csv    UTF-8 with a byte-order mark (so that Excel shows the Chinese),
//          columns name, every result key, verdict (the worst: 满足, 注意 or
//          不满足; empty without checks), error (the message); a cell that
//          a spreadsheet would take for a formula begins with an apostrophe;
//   xlsx   an Excel workbook of the CSV's columns (results_workbook.h),
//          written once the last beam is in, with the report information
//          of the first beam that names a project (else of the first beam).

#include <QIODevice>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "beam.h"
#include "design.h"

namespace platewise {

enum class OutputFormat { Text, Json, JsonLines, Csv, Workbook };

// The format named "text", "json", "jsonl", "csv" or "xlsx".
std::optional<OutputFormat> output_format_named(const QString& name);

class ResultWriter {
 public:
  virtual ~ResultWriter() = default;
  virtual void write(const Beam& beam, const BeamOutcome& outcome) = 0;
  // After the last beam.
  virtual void finish() {}
};

// `file` names the output in messages.
std::unique_ptr<ResultWriter> result_writer(OutputFormat format, QIODevice& out,
                                            const QString& file = {});

}  // namespace platewise
