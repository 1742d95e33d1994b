#include "window_launcher.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

#include "command_line.h"

namespace platewise {
namespace {

// Where the window module is: beside the program in the build tree, in the
// library folder of an installation.
QStringList window_module_paths() {
  const QString program_dir = QFileInfo(QFile::symLinkTarget("/proc/self/exe")).path();
  const QString name = QStringLiteral("/platewise_window.so");
  return {program_dir + name, program_dir + QStringLiteral("/" PLATEWISE_WINDOW_MODULE_DIR) + name};
}

}  // namespace

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
  QString failure;
  for (const QString& path : window_module_paths()) {
    QLibrary module(path);
    using Main = int (*)(int*, char**);
    if (auto main = reinterpret_cast<Main>(module.resolve("platewise_window_main"))) {
      return main(&argc, argv);
    }
    failure = module.errorString();
  }
  std::fprintf(stderr, "无法打开窗口：%s\n", failure.toLocal8Bit().constData());
  return 1;
}

}  // namespace platewise
