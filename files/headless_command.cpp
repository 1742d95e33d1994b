#include "headless_command.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include "file_error.h"
#include "output_target.h"
#include "text_escape.h"

namespace platewise {

void guard_standard_streams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) >= 0) continue;
    const int stand_in = ::open("/dev/null", O_RDONLY);  // the lowest number free: `fd`
    if (stand_in >= 0 && stand_in != fd) {
      ::dup2(stand_in, fd);
      ::close(stand_in);
    }
  }
  std::signal(SIGPIPE, SIG_IGN);
}

int write_to_standard_output(const QByteArray& bytes, const CommandStreams& streams) {
  try {
    OutputTarget out(QStringLiteral("-"), streams.out);
    out.device().write(bytes);
    out.commit();
    return kAllComputed;
  } catch (const FileError& error) {
    say(streams.err, error.message());
    return kUnusableInput;
  }
}

void say(QIODevice& err, const QString& message) {
  err.write((escape_controls(message) + '\n').toUtf8());
}

std::optional<int> read_command_line(QCommandLineParser& parser, const QCommandLineOption& help,
                                     const QStringList& arguments, const QString& command,
                                     const CommandStreams& streams) {
  if (!parser.parse(arguments.mid(1))) {  // the command stands for the program
    say(streams.err, QStringLiteral("命令行有误：") + parser.errorText());
    return kUnusableInput;
  }
  if (!parser.isSet(help)) return std::nullopt;
  // "用法：platewise [选项] …" becomes "用法：platewise calc [选项] …".
  QString text = parser.helpText();
  const QString program = arguments.value(0);
  const qsizetype at = text.indexOf(program + ' ');
  if (at >= 0) text.insert(at + program.size(), ' ' + command);
  return write_to_standard_output(text.toUtf8(), streams);
}

}  // namespace platewise
