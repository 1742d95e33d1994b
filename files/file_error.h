#pragma once
// What is wrong with a file the program reads or writes, and where: the file
// as the engineer named it, the line (0 when none applies) and the key or
// column. The message is the one shown to the engineer, in Chinese, with
// control characters escaped.

#include <QString>
#include <stdexcept>

namespace platewise {

enum class FileFault {
  Unreadable,       // cannot be opened or read
  NotRegularFile,   // a folder, FIFO, device or socket where a file is read
  TooLarge,         // a beam file or a table row larger than any real one
  Changed,          // changed while it was read
  BadEncoding,      // bytes that are no text in the encodings read
  Unwritable,       // cannot be written; an old file is kept
  SameAsInput,      // an output that is an input of the same run
  UnknownFileType,  // neither a beam file (.json), a project file (.pwproj) nor a table
  BrokenJson,       // not JSON at all
  NotBeamFile,      // JSON, but not a beam file
  NewerVersion,     // a beam file of a later version than this program reads
  UnknownKey,       // a key or column that names no field
  DuplicateKey,     // a JSON object names one key twice
  WrongType,        // a value of the wrong type for its key
  DuplicateColumn,  // a table names one field twice
  CellCount,        // a row with more or fewer cells than the header
  UnclosedQuote,    // a quoted cell that never ends
  NoHeader,         // a table without a header row
  NotWorkbook,      // a .xlsx that is no workbook: not a zip, encrypted, or a part broken
};

// A beam's place among a project file's beams, from 1: where a message about
// JSON, which names no line, says the fault is.
struct BeamNumber {
  int number;
};

struct FileError : std::runtime_error {
  // `reason` says what is wrong: "不是梁的输入项".
  FileError(FileFault fault, const QString& file, int line, const QString& key,
            const QString& reason);
  // "“b.pwproj”第3根梁“beam_widht”：…"
  FileError(FileFault fault, const QString& file, BeamNumber beam, const QString& key,
            const QString& reason);

  FileFault fault;
  QString file;
  int line;
  QString key;
  int beam = 0;  // the beam's number in a project file, or 0
  // "“beams.csv”第5行“redistribution_on”：…"
  QString message() const { return QString::fromUtf8(what()); }
};

}  // namespace platewise
