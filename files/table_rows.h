#pragma once
// The rows of a table of cells, one after another, whatever file holds them
// (a CSV file, a worksheet): what a table of beams reads.

#include <string>
#include <vector>

namespace platewise {

class TableRows {
 public:
  virtual ~TableRows() = default;
  // Reads the next row into `cells`; false after the last. Throws FileError.
  virtual bool next(std::vector<std::string>& cells) = 0;
  // The line (the worksheet's row) on which the last row read starts, from 1.
  virtual int line() const = 0;
};

}  // namespace platewise
