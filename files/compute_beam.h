#pragma once
// One beam computed as an engineer computes it in a freshly opened window:
// type the inputs given; tick the redistribution box (its handler runs);
// 计算; type the selected bottom-plate width if given (the crack check
// re-runs); if the short-anchorage box is given ticked, tick it (the actual
// anchorage gets the calculated length), type the actual anchorage if given and run
// 计算U型箍板. A run-time error stops the sequence where it happens.
// An empty selected width or actual anchorage counts as not given. The checks
// of the design follow, against the crack limit of the beam's report info.

#include <optional>
#include <string>
#include <vector>

#include "beam.h"
#include "beam_window.h"
#include "calc_error.h"
#include "design.h"

namespace platewise {

BeamOutcome compute_beam(BeamWindow& window, const Beam& beam);

}  // namespace platewise
