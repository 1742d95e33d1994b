// Timings of the engine: one whole Calculate run on the in-memory window
// with every default, and the two number rules.

#include <benchmark/benchmark.h>

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
