// The window, as a module the program loads only when the window is wanted.

#include <QApplication>
#include <QCommandLineParser>

#include "command_line.h"
#include "qt_chinese.h"
#include "startup.h"

extern "C" Q_DECL_EXPORT int platewise_window_main(int* argc, char** argv) {
  QApplication app(*argc, argv);
  platewise::use_chinese_qt_texts();  // before the options are described, so is their help
  QCommandLineParser parser;
  platewise::describe_window_command_line(parser);
  parser.process(app);
  const QStringList files = parser.positionalArguments();
  const auto window = platewise::start_platewise(files.isEmpty() ? QString() : files.front());
  // Closing the window, the last one, ends the event loop and the program.
  return QApplication::exec();
}
