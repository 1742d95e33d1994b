// Timings of the calculation report of the default beam: writing the report
// from the record, and saving it as a PDF; the PDF's size is shown as a
// counter. And a book of 200 beams as a PDF, whose parts are laid out one by
// one, so that its time grows with the number of beams and no faster.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "form_handlers.h"
#include "headless_form.h"
#include "report_file.h"

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
  for (auto _ : bench) benchmark::DoNotOptimize(report_model(beam.handlers.record(), beam.form));
}
BENCHMARK(ReportModelOfTheDefaultBeam);

void SavePdfOfTheDefaultBeam(benchmark::State& bench) {
  const DefaultBeam beam;
  QByteArray pdf;
  for (auto _ : bench) {
    // What saving does short of the disk: the model, the pages, the PDF bytes.
    pdf = report_bytes(*report_model(beam.handlers.record(), beam.form), ReportFormat::Pdf);
    benchmark::DoNotOptimize(pdf.data());
  }
  bench.counters["pdf_bytes"] = static_cast<double>(pdf.size());
}
BENCHMARK(SavePdfOfTheDefaultBeam)->Unit(benchmark::kMillisecond);

// A book of `beams` default beams, each its own chapter and row.
ReportBook book_of_default_beams(int beams) {
  const DefaultBeam beam;
  ReportBook book;
  book.project = "基准工程";
  for (int i = 1; i <= beams; ++i) {
    ReportInfo info;
    info.project = book.project;
    info.member = "KL-" + std::to_string(i);
    book.chapters.push_back(*report_model(beam.handlers.record(), beam.form, info));
    book.members.push_back({info.member, beam.form.text(role::bottom_plate),
                            beam.form.text(role::top_plate), beam.form.text(role::anchorage),
                            beam.form.text(role::side_u_plates), beam.form.text(role::crack_width),
                            "", Verdict::Satisfied, true});
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
