#pragma once
// Results of beams as an Excel workbook (.xlsx): one sheet, the columns of
// the CSV results (name, every result key, verdict, error), its header row
// bold and frozen, each column as wide as its texts. A result that is a
// number ("131", "0.038", "172mm") is a numeric cell shown with the digits
// (and unit) the window shows; every other cell is text, never a formula.
// The verdict is coloured as in the report. The report information goes
// into the workbook's properties: title the project, author the designer,
// and each field as a custom property.

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "design.h"
#include "report_info.h"

namespace platewise {

struct ResultRow {
  std::string name;
  BeamOutcome outcome;
};

// The workbook's bytes. Throws FileError(Unwritable) naming `file` when
// libxlsxwriter cannot write it (a text longer than a cell holds, more rows
// than a sheet has).
QByteArray results_workbook_bytes(const std::vector<ResultRow>& rows, const ReportInfo& info,
                                  const QString& file);
// Writes the workbook at `path` whole or not at all. Throws FileError(Unwritable).
void write_results_workbook(const QString& path, const std::vector<ResultRow>& rows,
                            const ReportInfo& info);

}  // namespace platewise
