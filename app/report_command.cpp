// platewise report FILE.json -o OUT.pdf|.odt|.html|-: the calculation report
// of one beam file, computed as in the window and written without a display.
// A module, since it needs Qt's GUI library for the layout.

#include <unistd.h>

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>

#include "beam_file.h"
#include "compute_beam.h"
#include "file_error.h"
#include "file_io.h"
#include "headless_command.h"
#include "headless_window.h"
#include "output_target.h"
#include "qt_chinese.h"
#include "report_file.h"

namespace platewise {
namespace {

int run_report(const QStringList& arguments, const CommandStreams& streams) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("把梁文件(.json)的计算书写成PDF、ODT或HTML文件，不开窗口。"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption output(
      {"o", "output"},
      QStringLiteral("计算书文件，扩展名定格式：.pdf、.odt或.html（写完才替换）；"
                     "“-”为标准输出（PDF）。"),
      QStringLiteral("文件"));
  parser.addOption(output);
  parser.addPositionalArgument(QStringLiteral("FILE.json"), QStringLiteral("梁文件"));
  if (const std::optional<int> done =
          read_command_line(parser, help, arguments, QStringLiteral("report"), streams)) {
    return *done;
  }
  if (parser.positionalArguments().size() != 1 || !parser.isSet(output)) {
    say(streams.err, QStringLiteral("命令行有误：应为 platewise report FILE.json -o 计算书.pdf"));
    return kUnusableInput;
  }
  const QString target = parser.value(output);
  try {
    OutputTarget out(target, streams.out);
    std::optional<ReportFormat> format = format_of_name(target);
    // Standard output, a pipe or a device has no extension to go by.
    if (!format && out.written_in_place()) format = ReportFormat::Pdf;
    if (!format) {
      say(streams.err, QStringLiteral("命令行有误：“%1”应以.pdf、.odt或.html结尾").arg(target));
      return kUnusableInput;
    }
    const QString path = parser.positionalArguments().front();
    InputFile input(path);
    out.refuse_input(input);
    const BeamFile file = parse_beam_file(read_whole(input), path);
    HeadlessWindow window;
    const BeamOutcome outcome = compute_beam(window, file.beam);
    // A stopped run still has a report: every step done, marked 计算未完成.
    const QByteArray report = report_bytes(*report_model(window.record(), window.form()), *format);
    if (report.isEmpty()) {
      throw FileError(FileFault::Unwritable, out.name(), 0, {},
                      QStringLiteral("无法生成计算书，什么也没写"));
    }
    out.device().write(report);
    out.commit();
    if (outcome.error) say(streams.err, QString::fromStdString(describe(*outcome.error)));
    return outcome.error ? kSomeStopped : kAllComputed;
  } catch (const FileError& error) {
    say(streams.err, error.message());
  }
  return kUnusableInput;
}

}  // namespace
}  // namespace platewise

extern "C" Q_DECL_EXPORT int platewise_report_main(int* argc, char** argv) {
  // The report is laid out with fonts alone: no screen is wanted, none is asked for.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(*argc, argv);
  platewise::use_chinese_qt_texts();
  QFile err;
  err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
  return platewise::run_report(QCoreApplication::arguments(), {STDOUT_FILENO, err});
}
