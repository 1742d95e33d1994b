#pragma once
// Tables of beams in files: CSV (.csv) and Excel workbooks (.xlsx), one beam
// a row (beam_table.h), read whole.

#include <QString>
#include <vector>

#include "beam.h"

namespace platewise {

// Named as a CSV table: ".csv" in any letter case.
bool is_csv_table(const QString& path);
// Named as an Excel workbook: ".xlsx" in any letter case.
bool is_workbook(const QString& path);
// Either.
bool is_table(const QString& path);

// Every beam of the table at `path`, in order. Throws FileError.
std::vector<Beam> read_table(const QString& path);

}  // namespace platewise
