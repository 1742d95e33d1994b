#pragma once
// platewise calc [--format text|json|jsonl|csv] [-o FILE|-] FILE…
// Computes beams without a window: each FILE is a beam file (.json) or a
// table of beams (.csv). Every input is opened once and checked whole
// before anything is computed; then the beams are computed and written one
// at a time into the held-back output (OutputTarget), which reaches its
// target only once every input is found unchanged.

#include <QStringList>
#include <functional>

#include "headless_command.h"

namespace platewise {

// `arguments` as main gets them, the program first and "calc" second.
// `between_checks_and_computing` runs once every input is checked (tests
// change an input there). Returns the exit status.
int run_calc(const QStringList& arguments, const CommandStreams& streams,
             const std::function<void()>& between_checks_and_computing = {});

}  // namespace platewise
