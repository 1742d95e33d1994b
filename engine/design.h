#pragma once
// The design of one beam as an engineer works it out in a freshly opened
// window, without a window: type the inputs given; 计算; type the selected
// bottom-plate width if given (the crack check runs again); if the
// short-anchorage option is given ticked, take the calculated length as the
// actual one unless one is given, and run 计算U型箍板. A run-time error stops
// the sequence where it happens. An empty selected width or actual
// anchorage counts as not given. The checks of the design follow, against
// the crack limit of the beam's report information. The results are the
// texts the window would show, digit for digit.

#include <optional>
#include <string>
#include <vector>

#include "beam.h"
#include "beam_state.h"
#include "calc_error.h"
#include "design_checks.h"
#include "design_trace.h"

namespace platewise {

// What a beam came to.
struct BeamOutcome {
  std::vector<std::string> results;  // result field texts, in the order of result_fields()
  std::optional<CalcError> error;    // what stopped the sequence, if anything did
  std::vector<DesignCheck> checks;   // the checks the sequence reached, in the order of the run
};

struct Design : BeamOutcome {
  BeamState state;    // the numbers, as the handlers left them
  DesignTrace trace;  // what they did, for the report
  // The texts of the inputs given after Calculate, as the window would show them.
  std::string selected_width, actual_anchorage;
};

// How much a design keeps: the values and decisions with the checks'
// verdicts alone (a CSV of many beams), also the checks' texts, or also
// every formula for a calculation report.
enum class Detail { Verdicts, Values, Formulas };

Design design(const Beam& beam, Detail detail = Detail::Values);
// The same into `out`, reusing its room: for many beams in a row.
void design(const Beam& beam, Detail detail, Design& out);

// The text of the result field `key` in `outcome`.
const std::string& result_text(const BeamOutcome& outcome, std::string_view key);

}  // namespace platewise
