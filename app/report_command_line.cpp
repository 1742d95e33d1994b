#include "report_command_line.h"

#include <QCommandLineParser>

#include "crack_limit.h"

namespace platewise {

std::optional<int> read_report_command_line(const QStringList& arguments,
                                            const CommandStreams& streams,
                                            ReportCommandLine& line) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("把梁文件(.json)、工程文件(.pwproj)或梁表格(.csv、.xlsx)"
                     "的计算书写成PDF、ODT、HTML或Word文件，不开窗口；"
                     "多根梁时先列构件一览表，每根梁一章。"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption output(
      {"o", "output"},
      QStringLiteral("计算书文件，扩展名定格式：.pdf、.odt、.html或.docx（写完才替换）；"
                     "“-”为标准输出（PDF）。"),
      QStringLiteral("文件"));
  const QCommandLineOption project("project",
                                   QStringLiteral("工程名称，代替梁文件或工程文件中的工程名称。"),
                                   QStringLiteral("名称"));
  const QCommandLineOption crack_limit(
      "crack-limit",
      QStringLiteral("裂缝宽度限值[w]，毫米，正数，如0.2或2E-1；代替梁文件或工程文件中的限值。"),
      QStringLiteral("毫米"));
  parser.addOptions({output, project, crack_limit});
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("梁文件(.json)、工程文件(.pwproj)或梁表格(.csv、.xlsx)"),
      QStringLiteral("FILE…"));
  if (const std::optional<int> done =
          read_command_line(parser, help, arguments, QStringLiteral("report"), streams)) {
    return done;
  }
  line.files = parser.positionalArguments();
  if (line.files.isEmpty() || !parser.isSet(output)) {
    say(streams.err, QStringLiteral("命令行有误：应为 platewise report "
                                    "梁文件.json、工程文件.pwproj或梁表格.csv -o 计算书.pdf"));
    return kUnusableInput;
  }
  line.output = parser.value(output);
  if (parser.isSet(project)) line.project = parser.value(project);
  if (parser.isSet(crack_limit)) {
    if (!crack_limit_mm(parser.value(crack_limit).toStdString())) {
      say(streams.err,
          QStringLiteral("命令行有误：--crack-limit 应为正数（毫米），如0.2或2E-1，而不是“%1”")
              .arg(parser.value(crack_limit)));
      return kUnusableInput;
    }
    line.crack_limit = parser.value(crack_limit).trimmed();
  }
  return std::nullopt;
}

}  // namespace platewise
