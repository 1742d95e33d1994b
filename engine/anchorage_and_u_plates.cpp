// The calculated anchorage length of the bonded plates, and the side U
// plates that make up for insufficient stirrups.

#include "handler_steps.h"
#include "result_texts.h"

namespace platewise {

void steps::anchor_length_step(BeamState& s, CalculateRun& run) {
  Trace& tr = run.trace;
  run_step(Step::Anchorage, [&] {
    s.anchor_length = tr.let(Q::la, 2 * s.fa_plate * s.plate_t / s.fc);
    // The length to build: the calculated one as its field shows it, rounded up.
    tr.let(Q::la_used, ceil(shown(s.anchor_length)));
    run.write(role::anchorage, s.anchor_length.text() + "mm");
  });
}

std::string steps::u_plate_text(const BeamState& s) {
  return u_plate_result_text(s.u_plate_t.value(), s.u_plate_bu.value(), s.u_plate_lu.value(),
                             s.u_plate_s.value());
}

void steps::size_side_u_plates(BeamState& s, CalculateRun& run, const Stirrups& stirrups) {
  Trace& tr = run.trace;
  run_step(Step::SideUPlates, [&] {
    if (!tr.decide(Decision::StirrupsShort, stirrups.required > stirrups.existing)) {
      run.write(role::side_u_plates, std::string(kStirrupsEnough));
      return;
    }
    const Value extra = tr.let(Q::asv_short, (stirrups.required - stirrups.existing) / 0.9);
    s.u_plate_s = tr.read_text(Q::su, run.input(input_at(role::u_plate_spacing)));
    s.u_plate_lu = tr.let(Q::lu, 1.5 * s.u_plate_s);
    // Lu may not exceed the beam height less 150 mm.
    if (tr.decide(Decision::LuTooLarge, s.u_plate_lu > tr.let(Q::lu_max, s.beam_height - 150))) {
      run.write(role::side_u_plates, std::string(kLuTooLarge));
      return;
    }
    s.u_plate_t = tr.read_text(Q::tu, run.input(input_at(role::u_plate_thickness)));
    s.u_plate_bu = tr.let(
        Q::bu, extra / 2 / s.fa_plate * s.u_plate_s / s.u_plate_lu / s.u_plate_t * stirrups.fyv);
    tr.let(Q::bu_sel, floor(s.u_plate_bu + 0.5));  // as the text shows it
    run.write(role::side_u_plates, u_plate_text(s));
  });
}

}  // namespace platewise
