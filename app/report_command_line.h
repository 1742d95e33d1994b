#pragma once
// The command line of `platewise report`, read with QtCore alone: the
// program answers --help and a command line it cannot use before it loads
// or starts any part of Qt's GUI library.

#include <QString>
#include <QStringList>
#include <optional>

#include "headless_command.h"

namespace platewise {

struct ReportCommandLine {
  QStringList files;                   // beam files and tables, as given
  QString output;                      // the report's file, "-" for standard output
  std::optional<QString> project;      // --project
  std::optional<QString> crack_limit;  // --crack-limit, a limit crack_limit_mm reads
};

// Reads `arguments` (the program first, then "report") into `line`. Returns
// the exit status when the command ends here: help (on standard output) or
// a command line that cannot be used (its message on `streams.err`).
std::optional<int> read_report_command_line(const QStringList& arguments,
                                            const CommandStreams& streams, ReportCommandLine& line);

}  // namespace platewise
