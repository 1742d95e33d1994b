// The U hoop-plate command ("计算U型箍板"): hoop plates at the plate ends
// where the anchorage length actually available is shorter than calculated.

#include "handler_steps.h"
#include "hoop_constants.h"
#include "number_rules.h"
#include "result_texts.h"

namespace platewise {
namespace {

// Why no hoop width is known: no side U plate was ever sized.
std::string no_hoop_width_reason(const BeamState& s) {
  const char* why = s.u_plate_lu.is_set() ? "梁侧U型钢板Lu太大" : "梁箍筋无需加固";
  return std::string(why) + "，未算出梁侧U型钢板的宽度bu，无法确定U型箍板的个数";
}

void count_hoops(const BeamState& s, std::string_view selected_width, HoopRun& run) {
  Trace& tr = run.trace;
  const Value actual = tr.read_text(Q::la_act, run.actual_typed);
  // The calculated length as its field shows it, so that the length the
  // short-anchorage box fills in, or the same digits typed, is long enough.
  const Value calculated = tr.read(Q::la, shown_number(s.anchor_length.value()));
  if (tr.decide(Decision::AnchorageEnough, actual - calculated >= 0)) {
    run.write(role::hoop_plates, std::string(kNoHoops));
    return;
  }
  const bool first_formula =
      tr.decide(Decision::FirstFormula, kHoopStrength * s.beam_width <= (2 * s.fcv) * s.u_plate_lu);
  run.width_typed = std::string(selected_width);
  const Value width = tr.read_text(Q::sel_b, run.width_typed);
  // Force of the bottom plate less what the concrete carries over the actual length, N.
  const Value excess =
      tr.let(Q::nh, (s.fa_plate * width) * s.plate_t - ((0.5 * s.fcv) * s.beam_width) * actual);
  if (tr.decide(Decision::NoForceLeft, excess <= 0)) {
    // The concrete already carries the plate force: a count would be zero or negative.
    run.write(role::hoop_plates, std::string(kNoHoops));
    return;
  }
  // A beam width of 0 divides by zero before the hoop width is reached.
  if (s.beam_width.value() != 0 && s.u_plate_bu.value() == 0) {
    throw CalcError(FaultKind::UndeterminedHoopWidth, Step::HoopPlates, no_hoop_width_reason(s));
  }
  // The beam and hoop widths the count divides by, kept for the check of the count.
  const Value b = tr.read(Q::b, s.beam_width.value());
  const Value bu = tr.read(Q::bu, s.u_plate_bu.value());
  const Value quotient =
      first_formula ? tr.let(Q::nh_raw, excess / kFirstFormulaFactor / kHoopStrength / b / bu)
                    : tr.let(Q::nh_raw, excess / kHoopStrength / b / bu);
  const Value count = tr.let(Q::nh_count, floor(quotient));
  run.write(role::hoop_plates, number_text(count.value) + "个" + steps::u_plate_text(s));
}

}  // namespace

void size_hoop_plates(const BeamState& s, std::string_view selected_width, HoopRun& run) {
  try {
    run_step(Step::HoopPlates, [&] { count_hoops(s, selected_width, run); });
  } catch (const CalcError& error) {
    run.error = error;
    return;
  }
  run.finished = true;
}

}  // namespace platewise
