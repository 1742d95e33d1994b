#pragma once
// What one run of a program costs, measured from outside it.

#include <string>
#include <vector>

struct ProcessCost {
  double seconds;     // wall time from start to exit
  long peak_rss_kib;  // largest resident set
};

// Runs `program` without arguments to its end, its output silenced when
// `quiet`. Throws std::runtime_error when it cannot be started or does not
// exit with status `status`.
ProcessCost run_to_exit(const std::string& program, bool quiet, int status = 0);

// The same for a program with arguments: `command` is the program, then its arguments.
ProcessCost run_to_exit(const std::vector<std::string>& command, bool quiet, int status = 0);
