#pragma once
// What the commands run without a window (calc, report) share: their exit
// statuses, the reading of their command line and the way they write a message.

#include <QCommandLineParser>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <optional>

namespace platewise {

enum ExitStatus {
  kAllComputed = 0,    // every beam computed
  kSomeStopped = 1,    // some beams stopped with a run-time error; all are written
  kUnusableInput = 2,  // an input or the command line cannot be used; nothing is written
};

// Writes `message` as one line to `err`.
void say(QIODevice& err, const QString& message);

// Reads `arguments` (the program first, then `command`) with `parser`, which
// holds the command's options and `help`. Returns the exit status when the
// command ends here: a command line that cannot be read (its message on
// `err`) or a request for help (the help, naming the command, on `out`).
std::optional<int> read_command_line(QCommandLineParser& parser, const QCommandLineOption& help,
                                     const QStringList& arguments, const QString& command,
                                     QIODevice& out, QIODevice& err);

}  // namespace platewise
