// Material look-ups: each turns the picked index of its drop-down into
// material properties. Only the picked index counts, never typed text.

#include "handler_steps.h"

namespace platewise {
namespace {

std::string_view start_text(std::string_view key) {
  for (const InputField& field : kInputFields) {
    if (field.key == key) return field.start_text;
  }
  return {};
}

}  // namespace

void steps::look_up_materials(BeamState& s, CalculateRun& run) {
  Trace& tr = run.trace;
  const MaterialPicks& p = run.picks;
  // In the order the command looks them up: bottom bars, top bars, concrete, plate steel.
  const BarGrade& bottom =
      material_row(kBarGrades, p.bottom_grade, start_text(role::bottom_bar_grade));
  s.fy_bottom = tr.read(Q::fy_b, bottom.fy);
  s.es_bottom = tr.read(Q::es, bottom.es);
  s.bond_coef_bottom = tr.read(Q::nu, bottom.bond_coef);
  s.fy_top =
      tr.read(Q::fy_t, material_row(kBarGrades, p.top_grade, start_text(role::top_bar_grade)).fy);
  const ConcreteGrade& concrete =
      material_row(kConcreteGrades, p.concrete, start_text(role::concrete_grade));
  s.fc = tr.read(Q::fc, concrete.fc);
  s.fcv = tr.read(Q::fcv, concrete.fcv);
  s.ftk = tr.read(Q::ftk, concrete.ftk);
  s.fa_plate =
      tr.read(Q::fa, material_row(kPlateSteels, p.plate_steel, start_text(role::plate_steel)).fa);
}

}  // namespace platewise
