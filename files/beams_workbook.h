#pragma once
// Beams' inputs as an Excel workbook, as an engineer's spreadsheet holds
// them: a header row of role keys (the name column first), then one beam a
// row; numbers as numeric cells, the two options as booleans, every other
// text as text. Read back as a table of beams (workbook_reader.h), it gives
// the same beams.

#include <QByteArray>
#include <QString>
#include <vector>

#include "beam.h"

namespace platewise {

// The columns are the inputs the first beam gives, in its order; a later
// beam's value for a column it does not give is an empty cell. Throws
// FileError(Unwritable) naming `file`.
QByteArray beams_workbook_bytes(const std::vector<Beam>& beams, const QString& file);

}  // namespace platewise
