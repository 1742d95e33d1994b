// A beam computed without a window brings the checks of its design, against
// the crack-width limit its report info gives.

#include "compute_beam.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "headless_window.h"

namespace platewise {
namespace {

TEST(ComputeBeam, ChecksAgainstTheBeamsCrackLimit) {
  HeadlessWindow window;
  Beam beam;
  beam.report.crack_limit = "0.03";
  const BeamOutcome outcome = compute_beam(window, beam);
  const auto crack = std::ranges::find(outcome.checks, "crack_width", &DesignCheck::key);
  ASSERT_NE(crack, outcome.checks.end());
  EXPECT_EQ(crack->text, "裂缝宽度 0.038\u00a0mm > 限值 0.03\u00a0mm");
  EXPECT_EQ(worst_verdict(outcome.checks), Verdict::NotSatisfied);
}

}  // namespace
}  // namespace platewise
