// Timings of the engine: one whole Calculate run on the in-memory window
// with every default (the window's handler, tracing as the window does), the
// design of a beam of every default at each detail, and the two number rules.

#include <benchmark/benchmark.h>

#include "design.h"
#include "form_handlers.h"
#include "headless_form.h"
#include "number_rules.h"

namespace {

using platewise::BeamState;
using platewise::FormHandlers;
using platewise::HeadlessForm;

void CalculateWithDefaults(benchmark::State& bench) {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers(state, form);
  for (auto _ : bench) {
    handlers.calculate();
    benchmark::DoNotOptimize(state);
  }
}
BENCHMARK(CalculateWithDefaults);

void DesignOfABeam(benchmark::State& bench, platewise::Detail detail) {
  const platewise::Beam beam;
  platewise::Design design;
  for (auto _ : bench) {
    platewise::design(beam, detail, design);
    benchmark::DoNotOptimize(design);
  }
}
BENCHMARK_CAPTURE(DesignOfABeam, Verdicts, platewise::Detail::Verdicts);
BENCHMARK_CAPTURE(DesignOfABeam, Values, platewise::Detail::Values);
BENCHMARK_CAPTURE(DesignOfABeam, Formulas, platewise::Detail::Formulas);

void NumberOfText(benchmark::State& bench) {
  const std::string text = " 131.419573643411 ";
  for (auto _ : bench) benchmark::DoNotOptimize(platewise::number_of_text(text));
}
BENCHMARK(NumberOfText);

void NumberText(benchmark::State& bench) {
  double value = 131.41957364341084;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(platewise::number_text(value));
  }
}
BENCHMARK(NumberText);

}  // namespace

BENCHMARK_MAIN();
