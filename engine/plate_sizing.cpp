// Plate sizing: the optional redistribution of the top requirement, and the
// bonded bottom and top plates whose width makes up each face's shortfall.

#include "handler_steps.h"
#include "number_rules.h"
#include "result_texts.h"

namespace platewise {
namespace {

// "A3号钢:4(厚)X131(宽)": plate steel as typed, thickness, shown width.
std::string plate_text(const BeamState& s, const CalculateRun& run, const std::string& shown) {
  return plate_result_text(run.input(input_at(role::plate_steel)), s.plate_t.value(), shown);
}

// Writes the selected bottom-plate width, which runs its change handler.
void set_bottom_width(BeamState& s, CalculateRun& run, const std::string& text) {
  run.write(role::selected_width, text);
  steps::width_changed(s, text, run.input(input_at(role::moment)), run.shown_width.trace, run);
}

}  // namespace

void steps::redistribute(BeamState& s, CalculateRun& run) {
  if (run.input(input_at(role::redistribution_on)) != "1") return;
  Trace& tr = run.trace;
  run_step(Step::Redistribution, [&] {
    const Value kept = tr.read_text(Q::beta, run.input(input_at(role::redistribution_percent)));
    const Value moved = tr.let(Q::moved, s.as_top_req * (100 - kept) / 100);
    s.as_top_req = tr.let(Q::as_t_req_r, s.as_top_req - moved);
    s.as_bottom_req = tr.let(Q::as_b_req_r, s.as_bottom_req + moved);
  });
}

void steps::size_bottom_plate(BeamState& s, CalculateRun& run) {
  Trace& tr = run.trace;
  run_step(Step::BottomPlate, [&] {
    if (tr.decide(Decision::BottomNeeded, s.as_bottom_req > s.as_bottom)) {
      const Value shortfall = tr.let(Q::short_b, s.as_bottom_req - s.as_bottom);
      s.bottom_plate_width =
          tr.let(Q::width_b, shortfall / s.fa_plate / 0.9 / s.plate_t * s.fy_bottom);
      const std::string shown_text =
          number_text(tr.let(Q::sel_b, floor(shown(s.bottom_plate_width))).value);
      run.write(role::bottom_plate, plate_text(s, run, shown_text));
      set_bottom_width(s, run, shown_text);
      anchor_length_step(s, run);
    } else {
      run.write(role::bottom_plate, std::string(kNoBottomPlate));
      // No plate: the shown width must not stay from an earlier run, since the
      // hoop-plate command takes the bottom plate width from it.
      set_bottom_width(s, run, "0");
    }
  });
}

void steps::size_top_plate(BeamState& s, CalculateRun& run) {
  Trace& tr = run.trace;
  run_step(Step::TopPlate, [&] {
    if (tr.decide(Decision::TopNeeded, s.as_top_req > s.as_top)) {
      const Value shortfall = tr.let(Q::short_t, s.as_top_req - s.as_top);
      const Value width = tr.let(Q::width_t, shortfall / s.fa_plate / 0.9 / s.plate_t * s.fy_top);
      const std::string shown_text = number_text(tr.let(Q::sel_t, floor(shown(width))).value);
      run.write(role::top_plate, plate_text(s, run, shown_text));
      run.write(role::top_width, shown_text);
      anchor_length_step(s, run);
    } else {
      run.write(role::top_plate, std::string(kNoTopPlate));
      run.write(role::top_width, "0");
    }
  });
}

}  // namespace platewise
