#include "calc_command.h"

#include <QCommandLineParser>
#include <variant>

#include "beam_sources.h"
#include "design.h"
#include "file_error.h"
#include "output_target.h"
#include "result_writers.h"
#include "table_file.h"

namespace platewise {
namespace {

struct Options {
  QStringList files;
  OutputFormat format = OutputFormat::Csv;
  QString output = QStringLiteral("-");
};

// The options, or the exit status when there is nothing to compute.
std::variant<Options, int> parse(const QStringList& arguments, const CommandStreams& streams) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "不开窗口计算梁：梁文件(.json)、工程文件(.pwproj)或每行一根梁的表格(.csv、.xlsx)。"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption format(
      {"f", "format"},
      QStringLiteral("输出格式：text、json、jsonl、csv或xlsx（一根梁默认text，其余默认csv；"
                     "-o 以.xlsx结尾时默认xlsx）。"),
      QStringLiteral("格式"));
  const QCommandLineOption output(
      {"o", "output"}, QStringLiteral("写入文件（写完才替换）而不是标准输出；“-”为标准输出。"),
      QStringLiteral("文件"));
  parser.addOption(format);
  parser.addOption(output);
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("梁文件(.json)、工程文件(.pwproj)或梁表格(.csv、.xlsx)"),
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
      say(streams.err,
          QStringLiteral("命令行有误：没有输出格式“%1”，应为text、json、jsonl、csv或xlsx")
              .arg(parser.value(format)));
      return kUnusableInput;
    }
    options.format = *named;
  }
  if (parser.isSet(output)) options.output = parser.value(output);
  if (!parser.isSet(format) && is_workbook(options.output)) options.format = OutputFormat::Workbook;
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
    BeamSources beams(options.files, &output);
    if (between_checks_and_computing) between_checks_and_computing();

    const std::unique_ptr<ResultWriter> writer =
        result_writer(options.format, output.device(), output.name());
    // A CSV or workbook row holds the worst verdict alone: the checks' texts are left unwritten.
    const bool verdicts_only =
        options.format == OutputFormat::Csv || options.format == OutputFormat::Workbook;
    const Detail detail = verdicts_only ? Detail::Verdicts : Detail::Values;
    Design design;
    bool all_computed = true;
    beams.for_each_beam([&](const Beam& beam) {
      platewise::design(beam, detail, design);
      all_computed = all_computed && !design.error;
      writer->write(beam, design);
    });
    writer->finish();
    output.commit();
    return all_computed ? kAllComputed : kSomeStopped;
  } catch (const FileError& error) {
    say(streams.err, error.message());
    return kUnusableInput;
  }
}

}  // namespace platewise
