#pragma once
// What one run of a program costs, measured from outside it.

#include <string>

struct ProcessCost {
  double seconds;     // wall time from start to exit
  long peak_rss_kib;  // largest resident set
};

// Runs `program` without arguments to its end, its output silenced when
// `quiet`. Throws std::runtime_error when it cannot be started or does not
// exit with status 0.
ProcessCost run_to_exit(const std::string& program, bool quiet);
