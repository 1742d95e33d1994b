#include "window_launcher.h"

#include <QCoreApplication>

#include "command_line.h"
#include "module_loader.h"

namespace platewise {

int launch_window(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  const WindowOptions options = describe_window_command_line(parser);
  // Options of Qt's own (-platform, -style …) are the window's business.
  if (parser.parse(arguments) && (parser.isSet(options.help) || parser.isSet(options.version))) {
    QCoreApplication app(argc, argv);
    if (parser.isSet(options.help)) parser.showHelp();
    parser.showVersion();
  }
  return run_in_module("platewise_window", "platewise_window_main", argc, argv);
}

}  // namespace platewise
