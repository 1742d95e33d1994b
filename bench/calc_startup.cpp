// `platewise calc` of one beam file beside a bare QCoreApplication program:
// runs the two alternately and prints the median wall time of each and
// their ratio.
//
//   calc_startup PLATEWISE BEAM_FILE YARDSTICK [RUNS]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "process_cost.h"

namespace {

constexpr double kAim = 1.5;

double median(std::vector<double> values) {
  std::ranges::sort(values);
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s PLATEWISE BEAM_FILE YARDSTICK [RUNS]\n", argv[0]);
    return 2;
  }
  const std::vector<std::string> calc = {argv[1], "calc", argv[2]};
  const std::vector<std::string> yardstick = {argv[3]};
  const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 30;
  try {
    run_to_exit(calc, false);  // warms the file cache, and shows the results once
    run_to_exit(yardstick, true);
    // Alternating runs share whatever else the machine is doing.
    std::vector<double> calc_runs, yardstick_runs;
    for (int i = 0; i < runs; ++i) {
      calc_runs.push_back(run_to_exit(calc, true).seconds);
      yardstick_runs.push_back(run_to_exit(yardstick, true).seconds);
    }
    const double c = median(calc_runs), y = median(yardstick_runs);
    std::printf("platewise calc of one beam file, median of %d runs each\n", runs);
    std::printf("%-16s %7.1f ms\n", "platewise calc", c * 1000);
    std::printf("%-16s %7.1f ms\n", "QCoreApplication", y * 1000);
    std::printf("ratio %.2f (aim < %.1f): %s\n", c / y, kAim,
                c / y < kAim ? "within aim" : "OVER AIM");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "calc_startup: %s\n", error.what());
    return 1;
  }
  return 0;
}
