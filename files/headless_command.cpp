#include "headless_command.h"

namespace platewise {

void say(QIODevice& err, const QString& message) { err.write((message + '\n').toUtf8()); }

std::optional<int> read_command_line(QCommandLineParser& parser, const QCommandLineOption& help,
                                     const QStringList& arguments, const QString& command,
                                     QIODevice& out, QIODevice& err) {
  if (!parser.parse(arguments.mid(1))) {  // the command stands for the program
    say(err, QStringLiteral("命令行有误：") + parser.errorText());
    return kUnusableInput;
  }
  if (parser.isSet(help)) {
    out.write(parser.helpText()
                  .replace(QStringLiteral(" [options] "), " " + command + " [options] ")
                  .toUtf8());
    return kAllComputed;
  }
  return std::nullopt;
}

}  // namespace platewise
