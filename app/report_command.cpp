// platewise report FILE.json -o OUT.pdf|.odt|.html|.docx: the calculation report
// of one beam file, computed as in the window and written without a display.
// A module, since it needs Qt's GUI library for the layout.

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>

#include "beam_file.h"
#include "compute_beam.h"
#include "file_error.h"
#include "file_io.h"
#include "headless_command.h"
#include "headless_window.h"
#include "report_file.h"

namespace platewise {
namespace {

int run_report(const QStringList& arguments, QIODevice& out, QIODevice& err) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("把梁文件(.json)的计算书写成PDF、ODT、HTML或Word文件，不开窗口。"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption output(
      {"o", "output"},
      QStringLiteral("计算书文件，扩展名定格式：.pdf、.odt、.html或.docx（写完才替换）。"),
      QStringLiteral("文件"));
  parser.addOption(output);
  parser.addPositionalArgument(QStringLiteral("FILE.json"), QStringLiteral("梁文件"));
  if (const std::optional<int> done =
          read_command_line(parser, help, arguments, QStringLiteral("report"), out, err)) {
    return *done;
  }
  if (parser.positionalArguments().size() != 1 || !parser.isSet(output)) {
    say(err, QStringLiteral("命令行有误：应为 platewise report FILE.json -o 计算书.pdf"));
    return kUnusableInput;
  }
  const QString target = parser.value(output);
  const std::optional<ReportFormat> format = format_of_name(target);
  if (!format) {
    say(err, QStringLiteral("命令行有误：“%1”应以.pdf、.odt、.html或.docx结尾").arg(target));
    return kUnusableInput;
  }
  try {
    const QString path = parser.positionalArguments().front();
    const BeamFile file = parse_beam_file(read_whole_file(path), path);
    HeadlessWindow window;
    const BeamOutcome outcome = compute_beam(window, file.beam);
    // The report names the beam as 构件编号.
    ReportInfo info = file.beam.report;
    info.member = file.beam.name;
    // A stopped run still has a report: every step done, marked 计算未完成.
    save_report(*report_model(window.record(), window.form(), info), target, *format);
    if (outcome.error) say(err, QString::fromStdString(describe(*outcome.error)));
    return outcome.error ? kSomeStopped : kAllComputed;
  } catch (const FileError& error) {
    say(err, error.message());
  } catch (const ReportFileError& error) {
    say(err, error.message());
  }
  return kUnusableInput;
}

}  // namespace
}  // namespace platewise

extern "C" Q_DECL_EXPORT int platewise_report_main(int* argc, char** argv) {
  // The report is laid out with fonts alone: no screen is wanted, none is asked for.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(*argc, argv);
  QFile out, err;
  out.open(stdout, QIODevice::WriteOnly);
  err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
  return platewise::run_report(QCoreApplication::arguments(), out, err);
}
