// Start-up of the program beside a minimal Qt window: runs the two alternately,
// each to its first frame on the offscreen platform, and prints the median wall
// time and peak memory of each and their ratios.
//
//   startup_ratio PROGRAM YARDSTICK [RUNS]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "process_cost.h"

namespace {

constexpr double kTimeAim = 1.3;
constexpr double kMemoryAim = 1.2;

template <class T>
T median(std::vector<T> values) {
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

struct Medians {
  double seconds;
  long peak_rss_kib;
};

Medians medians(const std::vector<ProcessCost>& runs) {
  std::vector<double> seconds;
  std::vector<long> memory;
  for (const ProcessCost& run : runs) {
    seconds.push_back(run.seconds);
    memory.push_back(run.peak_rss_kib);
  }
  return {median(seconds), median(memory)};
}

void print_ratio(const char* what, double ratio, double aim) {
  std::printf("%-8s ratio %.2f (aim <= %.1f): %s\n", what, ratio, aim,
              ratio <= aim ? "within aim" : "OVER AIM");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PROGRAM YARDSTICK [RUNS]\n", argv[0]);
    return 2;
  }
  const std::string program = argv[1];
  const std::string yardstick = argv[2];
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);

  try {
    // One run of each, with its output shown, warms the file cache.
    run_to_exit(program, false);
    run_to_exit(yardstick, false);
    std::vector<ProcessCost> program_runs, yardstick_runs;
    for (int i = 0; i < runs; ++i) {
      program_runs.push_back(run_to_exit(program, true));
      yardstick_runs.push_back(run_to_exit(yardstick, true));
    }
    const Medians p = medians(program_runs);
    const Medians y = medians(yardstick_runs);
    std::printf("start-up to first frame, median of %d runs each (offscreen)\n", runs);
    std::printf("%-10s %9.1f ms %9ld KiB\n", "platewise", p.seconds * 1000, p.peak_rss_kib);
    std::printf("%-10s %9.1f ms %9ld KiB\n", "minimal", y.seconds * 1000, y.peak_rss_kib);
    print_ratio("time", p.seconds / y.seconds, kTimeAim);
    print_ratio("memory", static_cast<double>(p.peak_rss_kib) / y.peak_rss_kib, kMemoryAim);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup_ratio: %s\n", error.what());
    return 1;
  }
  return 0;
}
