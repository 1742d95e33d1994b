#pragma once
// What the commands run without a window (calc, report) share: their exit
// statuses, where they write, the reading of their command line and the
// way they write a message.

#include <QCommandLineParser>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <optional>

namespace platewise {

enum ExitStatus {
  kAllComputed = 0,    // every beam computed
  kSomeStopped = 1,    // some beams stopped with a run-time error; all are written
  kUnusableInput = 2,  // an input, an output or the command line cannot be used; nothing is written
};

// Where a command writes: results and help to standard output, a file
// descriptor (1, or a file in the tests); messages to `err`.
struct CommandStreams {
  int out;
  QIODevice& err;
};

// To be called first thing, before anything opens a file. A standard stream
// that is closed gets a stand-in open only for reading, so that no file
// opened later takes its number (output meant for standard output would land
// in it) and a write to it fails; a pipe whose reader has gone makes a write
// fail (EPIPE) instead of ending the program without a word.
void guard_standard_streams();

// Writes `bytes` to standard output, checked to the end. Returns the exit
// status: kUnusableInput, its message on `err`, when that fails.
int write_to_standard_output(const QByteArray& bytes, const CommandStreams& streams);

// Writes `message` as one line to `err`, its control characters escaped.
void say(QIODevice& err, const QString& message);

// Reads `arguments` (the program first, then `command`) with `parser`, which
// holds the command's options and `help`. Returns the exit status when the
// command ends here: a command line that cannot be read (its message on
// `err`) or a request for help (the help, naming the command, on standard output).
std::optional<int> read_command_line(QCommandLineParser& parser, const QCommandLineOption& help,
                                     const QStringList& arguments, const QString& command,
                                     const CommandStreams& streams);

}  // namespace platewise
