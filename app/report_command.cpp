// platewise report FILE… -o OUT.pdf|.odt|.html|.docx|-: the calculation report of
// beam files and tables of beams, computed as in the window and written
// without a display. A module, since it needs Qt's GUI library for the layout.

#include "report_command.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>

#include "beam_reports.h"
#include "beam_sources.h"
#include "crack_limit.h"
#include "file_error.h"
#include "headless_command.h"
#include "output_target.h"
#include "qt_chinese.h"
#include "report_file.h"

namespace platewise {
int run_report(const QStringList& arguments, const CommandStreams& streams) {
  QIODevice& err = streams.err;
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
      "crack-limit", QStringLiteral("裂缝宽度限值[w]，毫米，正数；代替梁文件或工程文件中的限值。"),
      QStringLiteral("毫米"));
  parser.addOptions({output, project, crack_limit});
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("梁文件(.json)、工程文件(.pwproj)或梁表格(.csv、.xlsx)"),
      QStringLiteral("FILE…"));
  if (const std::optional<int> done =
          read_command_line(parser, help, arguments, QStringLiteral("report"), streams)) {
    return *done;
  }
  const QStringList files = parser.positionalArguments();
  if (files.isEmpty() || !parser.isSet(output)) {
    say(err, QStringLiteral("命令行有误：应为 platewise report "
                            "梁文件.json、工程文件.pwproj或梁表格.csv -o 计算书.pdf"));
    return kUnusableInput;
  }
  const QString target = parser.value(output);
  if (parser.isSet(crack_limit) && !crack_limit_mm(parser.value(crack_limit).toStdString())) {
    say(err, QStringLiteral("命令行有误：--crack-limit 应为正数（毫米），而不是“%1”")
                 .arg(parser.value(crack_limit)));
    return kUnusableInput;
  }
  try {
    OutputTarget out(target, streams.out);
    std::optional<ReportFormat> format = format_of_name(target);
    // Standard output, a pipe or a device has no extension to go by.
    if (!format && out.written_in_place()) format = ReportFormat::Pdf;
    if (!format) {
      say(err, QStringLiteral("命令行有误：“%1”应以.pdf、.odt、.html或.docx结尾").arg(target));
      return kUnusableInput;
    }
    BeamSources sources(files, &out);  // every input usable before any output
    if (sources.beam_count() == 0) {
      say(err, QStringLiteral("没有要写计算书的梁：“%1”中没有一根梁").arg(files.join("”“")));
      return kUnusableInput;
    }
    ReportBook book;
    bool all_computed = true;
    sources.for_each_beam([&](Beam beam) {
      if (parser.isSet(project)) beam.report.project = parser.value(project).toStdString();
      if (parser.isSet(crack_limit)) {
        beam.report.crack_limit = parser.value(crack_limit).trimmed().toStdString();
      }
      if (book.project.empty()) book.project = beam.report.project;
      // A stopped beam still has its chapter: every step done, marked 计算未完成.
      if (const std::optional<CalcError> error = add_beam_report(book, beam)) {
        all_computed = false;
        say(err, QString::fromStdString(beam.name + "：" + describe(*error)));
      }
    });
    // A single beam file is that beam's report, without title page and table.
    if (files.size() == 1 && is_beam_file(files.front())) book.members.clear();
    const QByteArray bytes = report_bytes(book, *format);
    if (bytes.isEmpty()) {
      throw FileError(FileFault::Unwritable, out.name(), 0, {},
                      QStringLiteral("无法生成计算书，什么也没写"));
    }
    out.device().write(bytes);
    out.commit();
    return all_computed ? kAllComputed : kSomeStopped;
  } catch (const FileError& error) {
    say(err, error.message());
  }
  return kUnusableInput;
}

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
