#include "window_launcher.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include "command_line.h"
#include "headless_command.h"
#include "module_loader.h"
#include "qt_chinese.h"

namespace platewise {

int launch_window(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  const WindowOptions options = describe_window_command_line(parser);
  // Options of Qt's own (-platform, -style …) are the window's business.
  if (parser.parse(arguments) && (parser.isSet(options.help) || parser.isSet(options.version))) {
    guard_standard_streams();
    QCoreApplication app(argc, argv);
    use_chinese_qt_texts();
    QCommandLineParser shown;  // described again, now that Qt's own texts are Chinese
    describe_window_command_line(shown);
    QFile err;
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QString text = parser.isSet(options.help)
                             ? shown.helpText()
                             : QCoreApplication::applicationName() + ' ' +
                                   QCoreApplication::applicationVersion() + '\n';
    return write_to_standard_output(text.toUtf8(), {STDOUT_FILENO, err});
  }
  return run_in_module("platewise_window", "platewise_window_main", argc, argv);
}

}  // namespace platewise
