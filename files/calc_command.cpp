#include "calc_command.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <memory>
#include <variant>
#include <vector>

#include "beam_file.h"
#include "beam_table.h"
#include "file_error.h"
#include "file_io.h"
#include "headless_window.h"
#include "output_target.h"
#include "result_writers.h"

namespace platewise {
namespace {

bool is_beam_file(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

bool is_table(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

// An input as its check left it: a beam file read and closed, or a table,
// open from the check to the computation.
struct Input {
  Beam beam;                         // of a beam file
  std::unique_ptr<InputFile> table;  // a table
  TextEncoding encoding{};           // the table's
};

// Opens, reads and checks the input `path`. Throws FileError.
Input check(const QString& path, const OutputTarget& output) {
  if (!is_beam_file(path) && !is_table(path)) {
    throw FileError(FileFault::UnknownFileType, path, 0, {},
                    QStringLiteral("应为梁文件(.json)或梁表格(.csv)"));
  }
  auto file = std::make_unique<InputFile>(path);
  output.refuse_input(*file);
  Input input;
  if (is_beam_file(path)) {
    input.beam = parse_beam_file(read_whole(*file), path).beam;
    return input;
  }
  input.encoding = detect_encoding(*file, path);
  file->rewind();
  BeamTable table(*file, path, input.encoding);
  Beam row;
  while (table.next(row)) {
  }
  file->check_unchanged();
  input.table = std::move(file);
  return input;
}

// Calls `each` with every beam of `input`. Throws FileError when a table
// changed since its check.
template <class Each>
void for_each_beam(Input& input, const Each& each) {
  if (!input.table) return each(input.beam);
  InputFile& file = *input.table;
  file.rewind();
  BeamTable table(file, file.path(), input.encoding);
  Beam beam;
  while (table.next(beam)) each(beam);
  file.check_unchanged();
}

struct Options {
  QStringList files;
  OutputFormat format = OutputFormat::Csv;
  QString output = QStringLiteral("-");
};

// The options, or the exit status when there is nothing to compute.
std::variant<Options, int> parse(const QStringList& arguments, const CommandStreams& streams) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("不开窗口计算梁：梁文件(.json)或每行一根梁的表格(.csv)。"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption format(
      {"f", "format"},
      QStringLiteral("输出格式：text、json、jsonl或csv（一根梁默认text，表格默认csv）。"),
      QStringLiteral("格式"));
  const QCommandLineOption output(
      {"o", "output"}, QStringLiteral("写入文件（写完才替换）而不是标准输出；“-”为标准输出。"),
      QStringLiteral("文件"));
  parser.addOption(format);
  parser.addOption(output);
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("梁文件(.json)或梁表格(.csv)"),
                               QStringLiteral("FILE…"));
  if (const std::optional<int> done =
          read_command_line(parser, help, arguments, QStringLiteral("calc"), streams)) {
    return *done;
  }
  Options options;
  options.files = parser.positionalArguments();
  if (options.files.isEmpty()) {
    say(streams.err, QStringLiteral("命令行有误：没有给出要计算的文件"));
    return kUnusableInput;
  }
  if (options.files.size() == 1 && is_beam_file(options.files.front())) {
    options.format = OutputFormat::Text;
  }
  if (parser.isSet(format)) {
    const auto named = output_format_named(parser.value(format));
    if (!named) {
      say(streams.err, QStringLiteral("命令行有误：没有输出格式“%1”，应为text、json、jsonl或csv")
                           .arg(parser.value(format)));
      return kUnusableInput;
    }
    options.format = *named;
  }
  if (parser.isSet(output)) options.output = parser.value(output);
  return options;
}

}  // namespace

int run_calc(const QStringList& arguments, const CommandStreams& streams,
             const std::function<void()>& between_checks_and_computing) {
  const auto parsed = parse(arguments, streams);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const Options& options = std::get<Options>(parsed);
  try {
    OutputTarget output(options.output, streams.out);
    std::vector<Input> inputs;
    for (const QString& path : options.files) inputs.push_back(check(path, output));
    if (between_checks_and_computing) between_checks_and_computing();

    const std::unique_ptr<ResultWriter> writer = result_writer(options.format, output.device());
    HeadlessWindow window;
    bool all_computed = true;
    for (Input& input : inputs) {
      for_each_beam(input, [&](const Beam& beam) {
        const BeamOutcome outcome = compute_beam(window, beam);
        all_computed = all_computed && !outcome.error;
        writer->write(beam.name, outcome);
      });
    }
    writer->finish();
    output.commit();
    return all_computed ? kAllComputed : kSomeStopped;
  } catch (const FileError& error) {
    say(streams.err, error.message());
    return kUnusableInput;
  }
}

}  // namespace platewise
