#pragma once
// A table of beams, in a CSV file or a worksheet: a header row naming inputs
// (by role key or by the form's label, any subset, in any order) and an
// optional name column ("name" or 构件编号; table_header.h), then one beam a row. A column
// left out keeps its field's start text; an empty cell is an empty text.
// The two options read true/false, 1/0 or 是/否 (letter case ignored, empty
// is false). Rows whose cells are all empty are skipped; a row without a
// name column is named "FILE:LINE".

#include <QIODevice>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "beam.h"
#include "csv.h"

namespace platewise {

class BeamTable {
 public:
  // Reads the header of the table `in` holds in `encoding` (detect_encoding()
  // finds it). Throws FileError.
  BeamTable(QIODevice& in, const QString& file, TextEncoding encoding);
  // Reads the header of the table `rows` hand out. Throws FileError.
  BeamTable(TableRows& rows, const QString& file);
  ~BeamTable();

  // Reads the next beam; false after the last. Throws FileError naming the
  // line and the column.
  bool next(Beam& beam);
  // Reads the next beam's row and checks it as next() does, making no beam.
  bool check_next();

 private:
  void read_header();
  bool next_row();                           // the next row not all empty; false after the last
  bool option_in(std::size_t column) const;  // the option word of a cell of that row

  QString file_;
  std::string unnamed_;             // "FILE:" for rows without a name
  std::unique_ptr<CsvReader> csv_;  // the rows, when read from a CSV file
  TableRows& rows_;
  std::vector<const InputField*> columns_;  // in header order; nullptr for "name"
  std::vector<std::string> cells_;
};

}  // namespace platewise
