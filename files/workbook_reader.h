#pragma once
// Reading an Excel workbook (.xlsx, as Excel, WPS and LibreOffice save it):
// the first worksheet (the first tab), cell by cell. A number reads as its
// number text ("330", "0.2", never "0.20000000000000001"; number_rules.h), a
// text as itself, from the shared strings or inline, a boolean as
// "true"/"false", a formula by the value last computed, an error value as
// its text ("#DIV/0!"). Rows without a non-empty cell are left out.
// Refused with a FileError naming the part or cell and the reason: an
// encrypted workbook (an OLE file, not a zip), a file that is no zip, parts
// missing or broken, and a workbook whose parts unpack to more than
// kProjectFileLimit (checked against the sizes the zip states before
// anything is unpacked, and again while unpacking).

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "beam.h"
#include "table_rows.h"

namespace platewise {

struct SheetCell {
  int column;  // from 0: A is 0
  std::string text;
};

struct SheetRow {
  int number;                    // the worksheet's row number, from 1
  std::vector<SheetCell> cells;  // the non-empty cells, left to right
};

// The rows of the first worksheet of the workbook `bytes`; `file` names it in
// messages. Throws FileError.
std::vector<SheetRow> first_worksheet_rows(const QByteArray& bytes, const QString& file);

// Sheet rows as a table's rows: every row as wide as the first (the header),
// or as its last non-empty cell when that is further right.
class SheetRows final : public TableRows {
 public:
  explicit SheetRows(const std::vector<SheetRow>& rows) : rows_(rows) {}
  bool next(std::vector<std::string>& cells) override;
  int line() const override { return line_; }

 private:
  const std::vector<SheetRow>& rows_;
  std::size_t next_ = 0;
  std::size_t width_ = 0;
  int line_ = 0;
};

// The beams of the workbook's first worksheet, a table of beams (beam_table.h).
std::vector<Beam> workbook_beams(const QByteArray& bytes, const QString& file);

}  // namespace platewise
