// The Calculate command ("计算"): reads every input afresh, looks up the
// materials, derives the section quantities and runs the sizing steps and
// the crack check in a fixed order.

#include <algorithm>

#include "handler_steps.h"
#include "number_rules.h"

namespace platewise {

namespace {

constexpr bool after_calculate_come_last() {
  bool after = false;
  for (const InputField& field : kInputFields) {
    if (after && field.given == Given::WithCalculate) return false;
    after = after || field.given == Given::AfterCalculate;
  }
  return true;
}
// So that an input's place among those Calculate reads is its place in the table.
static_assert(after_calculate_come_last());

}  // namespace

std::span<const InputField* const> calculate_inputs() {
  static const std::vector<const InputField*> kRead = [] {
    std::vector<const InputField*> read;
    for (const InputField& field : input_fields()) {
      if (field.given == Given::WithCalculate) read.push_back(&field);
    }
    return read;
  }();
  return kRead;
}

void HandlerRun::start(bool formulas) {
  trace.start(formulas);
  writes.clear();
  error.reset();
  finished = false;
  sequence = 0;
}

void CalculateRun::start(bool formulas) {
  HandlerRun::start(formulas);
  shown_width.start(formulas);
}

void calculate(BeamState& s, CalculateRun& run) {
  using namespace steps;
  try {
    look_up_materials(s, run);
    const Stirrups stirrups = read_section(s, run);
    redistribute(s, run);
    size_bottom_plate(s, run);
    size_top_plate(s, run);
    size_side_u_plates(s, run, stirrups);
    set_bottom_plate_area(s, run);
    check_crack_width(s, run.input(input_at(role::moment)), run.trace, run);
  } catch (const CalcError& error) {
    run.error = error;
    return;
  }
  run.finished = true;
}

steps::Stirrups steps::read_section(BeamState& s, CalculateRun& run) {
  Trace& tr = run.trace;
  const auto read = [&](Q id, std::size_t at) { return tr.read_text(id, run.input(at)); };
  Stirrups st;
  Value dv;
  run_step(Step::InputData, [&] {
    dv = read(Q::dv, input_at(role::stirrup_diameter));
    st.fyv = tr.read(Q::fyv, tr.decide(Decision::ThinStirrups, dv < 12) ? 210 : 310);
    s.beam_width = read(Q::b, input_at(role::beam_width));
    s.beam_height = read(Q::h, input_at(role::beam_height));
    s.cover = read(Q::a, input_at(role::cover));
    s.h0 = tr.let(Q::h0, s.beam_height - s.cover);
    s.plate_t = read(Q::t, input_at(role::plate_thickness));
    // Bar area d² × 0.785 × n: d squared first, then times 0.785, then times n.
    const Value db = read(Q::db, input_at(role::bottom_bar_diameter));
    s.as_bottom =
        tr.let(Q::as_b, square(db) * 0.785 * read(Q::nb, input_at(role::bottom_bar_count)));
    const Value dt = read(Q::dt, input_at(role::top_bar_diameter));
    s.as_top = tr.let(Q::as_t, square(dt) * 0.785 * read(Q::nt, input_at(role::top_bar_count)));
  });
  Value sv;
  run_step(Step::StirrupAreas, [&] {
    const Value nv = read(Q::nv, input_at(role::stirrup_legs));
    sv = read(Q::sv, input_at(role::stirrup_spacing));
    st.existing = tr.let(Q::asv, square(dv) * 0.785 * nv * 1000 / sv);
  });
  run_step(Step::InputData, [&] {
    // cm² to mm²
    s.as_top_req = tr.let(Q::as_t_req, read(Q::top_req_cm2, input_at(role::top_area_req)) * 100);
    s.as_bottom_req =
        tr.let(Q::as_b_req, read(Q::bottom_req_cm2, input_at(role::bottom_area_req)) * 100);
  });
  run_step(Step::StirrupAreas, [&] {
    st.required =
        tr.let(Q::asv_req, read(Q::asv_cm2, input_at(role::stirrup_area_req)) * 100 * 1000 / sv);
  });
  return st;
}

}  // namespace platewise
