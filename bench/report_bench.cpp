// Timings of the calculation report of the default beam: writing the report
// from the record, and saving it as a PDF; the PDF's size is shown as a counter.

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

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
