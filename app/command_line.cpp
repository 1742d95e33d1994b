#include "command_line.h"

#include <QCoreApplication>
#include <algorithm>

#include "commands.h"
#include "program_version.h"

namespace platewise {

WindowOptions describe_window_command_line(QCommandLineParser& parser) {
  QCoreApplication::setApplicationName(QStringLiteral("platewise"));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(kProgramVersion));
  QString description = QStringLiteral(
      "粘贴钢板加固混凝土梁的计算(CECS 25:90)。\n"
      "不带命令时打开窗口，可同时打开一个梁文件。\n\n命令：");
  qsizetype name_width = 0;
  for (const Command& command : commands()) {
    name_width = std::max(name_width, static_cast<qsizetype>(command.name.size()));
  }
  for (const Command& command : commands()) {
    description += QStringLiteral("\n  %1  %2")
                       .arg(QString::fromUtf8(command.name.data(), command.name.size())
                                .leftJustified(name_width),
                            QString::fromUtf8(command.summary.data(), command.summary.size()));
  }
  parser.setApplicationDescription(description);
  WindowOptions options{parser.addHelpOption(), parser.addVersionOption()};
  parser.addPositionalArgument(QStringLiteral("FILE.json"), QStringLiteral("在窗口中打开的梁文件"),
                               QStringLiteral("[FILE.json]"));
  return options;
}

}  // namespace platewise
