#pragma once
// Comma-separated values as spreadsheets write them (RFC 4180): cells
// separated by commas, records by CRLF or LF; a cell in double quotes may
// hold commas, line breaks and doubled quotes. Text is UTF-8, with or without
// a byte-order mark, or GB18030 (of which GBK is a part), as Chinese Excel
// saves it (text_encoding.h finds which). Cells are handed out as UTF-8. A
// record longer than kCsvRecordLimit (its line end counted) is refused, so
// that memory stays flat on any input.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <string>
#include <string_view>
#include <vector>

#include "table_rows.h"
#include "text_encoding.h"

namespace platewise {

// Far beyond a row of beam inputs.
inline constexpr qsizetype kCsvRecordLimit = 1 << 20;

class CsvReader final : public TableRows {
 public:
  // `file` names the input in messages.
  CsvReader(QIODevice& in, TextEncoding encoding, const QString& file);

  // Reads the next record into `cells`; false at the end of the input. An
  // empty line is a record of one empty cell. Throws FileError(UnclosedQuote)
  // or FileError(TooLarge).
  bool next(std::vector<std::string>& cells) override;
  // The line on which the last record read starts, from 1.
  int line() const override { return record_line_; }

 private:
  static constexpr int kEnd = -1;
  bool refill();  // the next chunk of UTF-8 into the buffer; false at the end
  // The next record when it has no quotes and ends within the buffer, as
  // most records do: split at its commas at once, into the strings `cells`
  // holds already. False, reading nothing, else.
  bool next_plain(std::vector<std::string>& cells);
  int get();             // the next byte, or kEnd
  bool next_is(char c);  // consumes the next byte when it is `c`
  void end_cell(std::vector<std::string>& cells);
  void count_byte(bool quoted);  // of the record; throws FileError past the limit
  [[noreturn]] void refuse_long_record(bool quoted) const;
  // Moves the bytes of the buffer up to the next that may end the cell (a
  // comma, a quote, a line end; in quotes a quote or a line feed) into the cell.
  void take_run(bool quoted);

  QIODevice& in_;
  TextEncoding encoding_;
  QString file_;
  QByteArray buffer_;
  qsizetype pos_ = 0;
  int line_ = 1;
  int record_line_ = 0;
  qsizetype record_size_ = 0;
  std::string cell_;
  QStringDecoder gb18030_;  // made only for GB18030 text
};

// One record as a line of UTF-8: cells quoted where they must be, joined by
// commas, ended by CRLF; a NUL in a cell written as "\x00".
std::string csv_record(const std::vector<std::string>& cells);
// Appends one cell of a record to `line`, quoted where it must be. `guarded`:
// a cell a spreadsheet would take for a formula (it begins with =, +, -, @, a
// tab or a carriage return) gets an apostrophe before it, which the
// spreadsheet shows as text.
void append_csv_cell(std::string& line, std::string_view cell, bool guarded = false);
}  // namespace platewise
