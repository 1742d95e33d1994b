#include "calc_command.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <functional>
#include <variant>

#include "beam_file.h"
#include "beam_table.h"
#include "file_error.h"
#include "file_io.h"
#include "headless_window.h"
#include "result_writers.h"

namespace platewise {
namespace {

bool is_beam_file(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

bool is_table(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

// Calls `each` with every beam of the files, in order. Throws FileError.
void for_each_beam(const QStringList& files, const std::function<void(const Beam&)>& each) {
  for (const QString& path : files) {
    if (is_beam_file(path)) {
      each(parse_beam_file(read_whole_file(path), path).beam);
    } else if (is_table(path)) {
      QFile file(path);
      open_to_read(file);
      const TextEncoding encoding = detect_encoding(file, path);
      file.seek(0);
      BeamTable table(file, path, encoding);
      Beam beam;
      while (table.next(beam)) each(beam);
    } else {
      throw FileError(FileFault::UnknownFileType, path, 0, {},
                      QStringLiteral("应为梁文件(.json)或梁表格(.csv)"));
    }
  }
}

struct Options {
  QStringList files;
  OutputFormat format = OutputFormat::Csv;
  QString output;  // empty: standard output
};

// The options, or the exit status when there is nothing to compute.
std::variant<Options, int> parse(const QStringList& arguments, QIODevice& out, QIODevice& err) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("不开窗口计算梁：梁文件(.json)或每行一根梁的表格(.csv)。"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption format(
      {"f", "format"},
      QStringLiteral("输出格式：text、json、jsonl或csv（一根梁默认text，表格默认csv）。"),
      QStringLiteral("格式"));
  const QCommandLineOption output({"o", "output"},
                                  QStringLiteral("写入文件（写完才替换）而不是标准输出。"),
                                  QStringLiteral("文件"));
  parser.addOption(format);
  parser.addOption(output);
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("梁文件(.json)或梁表格(.csv)"),
                               QStringLiteral("FILE…"));
  if (const std::optional<int> done =
          read_command_line(parser, help, arguments, QStringLiteral("calc"), out, err)) {
    return *done;
  }
  Options options;
  options.files = parser.positionalArguments();
  if (options.files.isEmpty()) {
    say(err, QStringLiteral("命令行有误：没有给出要计算的文件"));
    return kUnusableInput;
  }
  if (options.files.size() == 1 && is_beam_file(options.files.front())) {
    options.format = OutputFormat::Text;
  }
  if (parser.isSet(format)) {
    const auto named = output_format_named(parser.value(format));
    if (!named) {
      say(err, QStringLiteral("命令行有误：没有输出格式“%1”，应为text、json、jsonl或csv")
                   .arg(parser.value(format)));
      return kUnusableInput;
    }
    options.format = *named;
  }
  options.output = parser.value(output);
  return options;
}

// Computes and writes every beam; false when some stopped with an error.
bool compute_all(const QStringList& files, OutputFormat format, QIODevice& out) {
  const std::unique_ptr<ResultWriter> writer = result_writer(format, out);
  HeadlessWindow window;
  bool all_computed = true;
  for_each_beam(files, [&](const Beam& beam) {
    const BeamOutcome outcome = compute_beam(window, beam);
    all_computed = all_computed && !outcome.error;
    writer->write(beam.name, outcome);
  });
  writer->finish();
  return all_computed;
}

}  // namespace

int run_calc(const QStringList& arguments, QIODevice& out, QIODevice& err) {
  const auto parsed = parse(arguments, out, err);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const Options& options = std::get<Options>(parsed);
  try {
    for_each_beam(options.files, [](const Beam&) {});  // every input usable before any output
    if (options.output.isEmpty()) {
      return compute_all(options.files, options.format, out) ? kAllComputed : kSomeStopped;
    }
    QSaveFile file(options.output);
    const bool all_computed =
        file.open(QIODevice::WriteOnly) && compute_all(options.files, options.format, file);
    if (!file.commit()) {
      throw FileError(FileFault::Unwritable, options.output, 0, {},
                      QStringLiteral("无法写入，原文件未改动：%1").arg(file.errorString()));
    }
    return all_computed ? kAllComputed : kSomeStopped;
  } catch (const FileError& error) {
    say(err, error.message());
    return kUnusableInput;
  }
}

}  // namespace platewise
