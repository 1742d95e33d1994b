// platewise report FILE… -o OUT.pdf|.odt|.html|.docx|-: the calculation report of
// beam files and tables of beams, computed as in the window and written
// without a display. A module, since it needs Qt's GUI library for the layout.

#include "report_command.h"

#include <unistd.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <optional>

#include "beam_reports.h"
#include "beam_sources.h"
#include "file_error.h"
#include "headless_command.h"
#include "output_target.h"
#include "qt_chinese.h"
#include "report_command_line.h"
#include "report_file.h"

namespace platewise {
int run_report(const QStringList& arguments, const CommandStreams& streams) {
  QIODevice& err = streams.err;
  ReportCommandLine line;
  if (const std::optional<int> done = read_report_command_line(arguments, streams, line)) {
    return *done;
  }
  const QStringList& files = line.files;
  const QString& target = line.output;
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
      if (line.project) beam.report.project = line.project->toStdString();
      if (line.crack_limit) beam.report.crack_limit = line.crack_limit->toStdString();
      if (book.project.empty()) book.project = beam.report.project;
      // A stopped beam still has its chapter: every step done, marked 计算未完成.
      if (const std::optional<CalcError> error = add_beam_report(book, beam)) {
        all_computed = false;
        say(err, QString::fromStdString(beam.name + "：" + describe(*error)));
      }
    });
    // A single beam file is that beam's report, without title page and table.
    if (files.size() == 1 && is_beam_file(files.front())) book.members.clear();
    // Gathered here, not copied by the writer: a long book is held once.
    book = gathered(std::move(book));
    if (!write_report(book, *format, out.device())) {
      throw FileError(FileFault::Unwritable, out.name(), 0, {},
                      QStringLiteral("无法生成计算书，什么也没写"));
    }
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
  // Qt's GUI part asks for the user's runtime folder. Where there is none
  // (cron, ssh, a container) Qt would warn in English and make, or fail to
  // make, /tmp/runtime-<user>; the report keeps nothing there, so it gets a
  // private folder (mode 0700, as Qt wants) for this run, removed at its end,
  // after the application.
  std::optional<QTemporaryDir> runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    runtime.emplace();
    if (runtime->isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
  }
  QGuiApplication app(*argc, argv);
  platewise::use_chinese_qt_texts();
  QFile err;
  err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
  return platewise::run_report(QCoreApplication::arguments(), {STDOUT_FILENO, err});
}
