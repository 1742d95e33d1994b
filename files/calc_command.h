#pragma once
// platewise calc [--format text|json|jsonl|csv] [-o FILE] FILE…
// Computes beams without a window: each FILE is a beam file (.json) or a
// table of beams (.csv). Every input is checked before anything is written,
// then the beams are read, computed and written one at a time. With -o the
// results replace FILE only once complete.

#include <QIODevice>
#include <QStringList>

#include "headless_command.h"

namespace platewise {

// `arguments` as main gets them, the program first and "calc" second.
// Results go to `out` (or the -o file), messages to `err`.
int run_calc(const QStringList& arguments, QIODevice& out, QIODevice& err);

}  // namespace platewise
