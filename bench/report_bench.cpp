// Timings of the calculation report: of the default beam, writing the report
// from the record and saving it as a PDF (its size shown as a counter); a
// book of 20 and of 200 beams as a PDF, whose parts are laid out one by one,
// so that its time grows with the number of beams and no faster; and
// `platewise report` of one beam file and of a table of 200 beams to PDF, as
// the command runs, reading, computing and writing (aims: 100 ms and 3 s),
// with the table's book alone beside it; and the section sketch as SVG and PNG.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "beam_reports.h"
#include "beam_sources.h"
#include "form_handlers.h"
#include "headless_command.h"
#include "headless_form.h"
#include "report_command.h"
#include "report_file.h"
#include "sketch_painting.h"
#include "table_of_beams.h"

namespace {

using namespace platewise;

struct DefaultBeam {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers{state, form};
  DefaultBeam() { handlers.calculate(); }
};

void ReportModelOfTheDefaultBeam(benchmark::State& bench) {
  const DefaultBeam beam;
  for (auto _ : bench) benchmark::DoNotOptimize(report_model(beam.handlers.trace(), beam.form));
}
BENCHMARK(ReportModelOfTheDefaultBeam);

void SavePdfOfTheDefaultBeam(benchmark::State& bench) {
  const DefaultBeam beam;
  QByteArray pdf;
  for (auto _ : bench) {
    // What saving does short of the disk: the model, the pages, the PDF bytes.
    pdf = report_bytes(*report_model(beam.handlers.trace(), beam.form), ReportFormat::Pdf);
    benchmark::DoNotOptimize(pdf.data());
  }
  bench.counters["pdf_bytes"] = static_cast<double>(pdf.size());
}
BENCHMARK(SavePdfOfTheDefaultBeam)->Unit(benchmark::kMillisecond);

void SketchSvgOfTheDefaultBeam(benchmark::State& bench) {
  const DefaultBeam beam;
  const SectionSketch sketch = *section_sketch(beam.handlers.trace());
  for (auto _ : bench) benchmark::DoNotOptimize(sketch_svg(sketch));
}
BENCHMARK(SketchSvgOfTheDefaultBeam)->Unit(benchmark::kMillisecond);

void SketchPngOfTheDefaultBeamAt300Dpi(benchmark::State& bench) {
  const DefaultBeam beam;
  const SectionSketch sketch = *section_sketch(beam.handlers.trace());
  for (auto _ : bench) benchmark::DoNotOptimize(sketch_png(sketch, 300));
}
BENCHMARK(SketchPngOfTheDefaultBeamAt300Dpi)->Unit(benchmark::kMillisecond);

// `platewise report INPUT -o report.pdf` in a folder of its own, INPUT holding `bytes`.
void run_report_command(benchmark::State& bench, const char* input, const QByteArray& bytes) {
  QTemporaryDir dir;
  QFile file(dir.filePath(input));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    bench.SkipWithError("the input cannot be written");
    return;
  }
  file.close();
  const QStringList arguments = {"platewise", "report", file.fileName(), "-o",
                                 dir.filePath("report.pdf")};
  for (auto _ : bench) {
    QBuffer err;
    err.open(QIODevice::WriteOnly);
    if (run_report(arguments, {STDOUT_FILENO, err}) > kSomeStopped) {
      bench.SkipWithError(err.data().constData());
    }
  }
  bench.counters["pdf_bytes"] = static_cast<double>(QFile(dir.filePath("report.pdf")).size());
}

void ReportCommandOfOneBeamFile(benchmark::State& bench) {
  run_report_command(bench, "KL-1.json",
                     R"({"format": "platewise-beam", "version": 1, "name": "KL-1", "inputs": {}})");
}
BENCHMARK(ReportCommandOfOneBeamFile)->Unit(benchmark::kMillisecond);

// What the command does short of typesetting: read the table, compute each
// beam, write its chapter and row.
void BookOfATableOf200Beams(benchmark::State& bench) {
  QTemporaryDir dir;
  QFile file(dir.filePath("beams.csv"));
  const QByteArray table = table_of_beams(200);
  if (!file.open(QIODevice::WriteOnly) || file.write(table) != table.size()) return;
  file.close();
  for (auto _ : bench) {
    ReportBook book;
    BeamSources({file.fileName()}).for_each_beam([&](const Beam& beam) {
      add_beam_report(book, beam);
    });
    benchmark::DoNotOptimize(book.chapters.data());
  }
}
BENCHMARK(BookOfATableOf200Beams)->Unit(benchmark::kMillisecond);

void ReportCommandOfATableOf200Beams(benchmark::State& bench) {
  run_report_command(bench, "beams.csv", table_of_beams(200));
}
BENCHMARK(ReportCommandOfATableOf200Beams)->Unit(benchmark::kMillisecond)->Iterations(3);

// A book of `beams` default beams, each its own chapter and row.
ReportBook book_of_default_beams(int beams) {
  ReportBook book;
  book.project = "基准工程";
  for (int i = 1; i <= beams; ++i) {
    Beam beam;
    beam.name = "KL-" + std::to_string(i);
    beam.report.project = book.project;
    beam.report.member = beam.name;
    add_beam_report(book, beam);
  }
  return book;
}

void SavePdfOfABook(benchmark::State& bench) {
  const ReportBook book = book_of_default_beams(static_cast<int>(bench.range(0)));
  QByteArray pdf;
  for (auto _ : bench) {
    pdf = report_bytes(book, ReportFormat::Pdf);
    benchmark::DoNotOptimize(pdf.data());
  }
  bench.counters["pdf_bytes"] = static_cast<double>(pdf.size());
}
// 20 and 200 beams: ten times the beams should take about ten times as long.
BENCHMARK(SavePdfOfABook)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
