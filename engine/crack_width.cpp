// The crack width at mid-span of the strengthened beam, with the bonded
// bottom plate counted as additional tension steel, and the two things
// that set the plate area it counts.

#include <algorithm>

#include "handler_steps.h"
#include "number_rules.h"

namespace platewise {

void steps::set_bottom_plate_area(BeamState& s, CalculateRun& run) {
  Trace& tr = run.trace;
  run_step(Step::BottomPlateArea, [&] {
    // The unrounded required width, and only when this run sized a bottom plate.
    s.bottom_plate_area = tr.decide(Decision::BottomNeeded, s.as_bottom_req > s.as_bottom)
                              ? tr.let(Q::aa, s.plate_t * s.bottom_plate_width)
                              : tr.read(Q::aa, 0);
  });
}

void steps::width_changed(BeamState& s, const std::string& typed, std::string_view moment,
                          Trace& tr, HandlerRun& out) {
  run_step(Step::PlateWidthEdit,
           [&] { s.bottom_plate_area = tr.let(Q::aa, tr.read_text(Q::sel_b, typed) * s.plate_t); });
  check_crack_width(s, moment, tr, out);
}

void steps::check_crack_width(const BeamState& s, std::string_view moment, Trace& tr,
                              HandlerRun& out) {
  run_step(Step::CrackCheck, [&] {
    const Value ate = tr.let(Q::ate, (0.5 * s.beam_width) * s.beam_height);
    const Value mk = tr.read_text(Q::mk, moment);
    // The plate counts with its full area in the steel stress, with 0.9 of it
    // in the reinforcement ratio and in the equivalent bar.
    const Value sigma_s =
        tr.let(Q::sigma_s, (mk * kMillion) / ((0.87 * s.h0) * (s.bottom_plate_area + s.as_bottom)));
    const Value rho_te = tr.let(Q::rho_te, ((0.9 * s.bottom_plate_area) + s.as_bottom) / ate);
    const Value psi_raw = tr.let(Q::psi_raw, 1.1 - ((0.65 * s.ftk) / rho_te) / sigma_s);
    const Value psi = tr.read(Q::psi, std::clamp(psi_raw.value, 0.4, 1.0));  // 0.4 and 1 stay
    // One tenth of the diameter of one bar with the whole effective tension steel.
    const Value d = tr.let(Q::d, 0.1 * sqrt(((0.9 * s.bottom_plate_area) + s.as_bottom) / 0.785));
    const Value c = tr.let(Q::c, s.cover - 10);
    const Value w_max = tr.let(
        Q::w_max, ((((2.1 * psi) * sigma_s) * ((2.7 * c) + (d / rho_te))) * s.bond_coef_bottom) /
                      s.es_bottom);
    const Value w = tr.let(Q::w, floor(1000 * w_max) / 1000);  // cut down to 0.001 mm
    out.write(role::crack_width, number_text(w.value));
  });
}

void edit_selected_width(BeamState& s, std::string_view moment, WidthEditRun& run) {
  try {
    steps::width_changed(s, run.typed, moment, run.trace, run);
  } catch (const CalcError& error) {
    run.error = error;
    return;
  }
  run.finished = true;
}

}  // namespace platewise
