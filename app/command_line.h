#pragma once
// The command line of `platewise [FILE.json]`, which opens the window, with
// --help and --version. Shared by the launcher and the window module.

#include <QCommandLineParser>

namespace platewise {

struct WindowOptions {
  QCommandLineOption help;
  QCommandLineOption version;
};

// Sets up `parser` with the program's name, version, description, the
// commands and the optional beam file.
WindowOptions describe_window_command_line(QCommandLineParser& parser);

}  // namespace platewise
