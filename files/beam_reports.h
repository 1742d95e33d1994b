#pragma once
// The calculation reports of beams designed as an engineer computes them
// (design.h), gathered into one document: a chapter for each beam and its
// row in the members' table (构件一览表). No Qt.

#include <optional>

#include "beam.h"
#include "calc_error.h"
#include "report_book.h"

namespace platewise {

// Designs `beam`, then adds its chapter, written for `beam.report` with the
// beam's name as 构件编号, and its row to `book`. Gives the run-time error
// that stopped it, if one did: its chapter, with every step done, is then
// marked 计算未完成, and so is its row.
std::optional<CalcError> add_beam_report(ReportBook& book, const Beam& beam);

}  // namespace platewise
