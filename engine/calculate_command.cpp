// The Calculate command ("计算"): reads every input afresh, looks up the
// materials, derives the section quantities and runs the sizing steps and
// the crack check in a fixed order.

#include "form_handlers.h"
#include "number_rules.h"

namespace platewise {

Num FormHandlers::number_in(std::string_view control) const {
  return number_of_text(form_.text(control));
}

void FormHandlers::Command1_Click() {
  SetBottomBarGrade();
  SetTopBarGrade();
  SetConcreteGrade();
  SetPlateSteel();
  const Stirrups stirrups = read_section();
  redistribute();
  size_bottom_plate();
  size_top_plate();
  size_side_u_plates(stirrups);
  SetBottomPlateArea();
  CheckCrackWidth();
}

FormHandlers::Stirrups FormHandlers::read_section() {
  Stirrups st;
  // Bar area d² × 0.785 × n: d squared first, then times 0.785, then times n.
  const auto bar_area = [this](std::string_view diameter, std::string_view count) {
    const Num d = number_in(diameter);
    return d * d * 0.785 * number_in(count);
  };
  run_step(Step::InputData, [&] {
    st.fyv = number_in(ctl::stirrup_diameter) < 12 ? 210 : 310;
    s_.beam_width = number_in(ctl::beam_width);
    s_.beam_height = number_in(ctl::beam_height);
    s_.cover = number_in(ctl::cover);
    s_.h0 = s_.beam_height - s_.cover;
    s_.plate_t = number_in(ctl::plate_thickness);
    s_.as_bottom = bar_area(ctl::bottom_bar_diameter, ctl::bottom_bar_count);
    s_.as_top = bar_area(ctl::top_bar_diameter, ctl::top_bar_count);
  });
  run_step(Step::StirrupAreas, [&] {
    const Num d = number_in(ctl::stirrup_diameter);
    st.existing =
        d * d * 0.785 * number_in(ctl::stirrup_legs) * 1000 / number_in(ctl::stirrup_spacing);
  });
  run_step(Step::InputData, [&] {
    s_.as_top_req = number_in(ctl::top_area_req) * 100;  // cm² to mm²
    s_.as_bottom_req = number_in(ctl::bottom_area_req) * 100;
  });
  run_step(Step::StirrupAreas, [&] {
    st.required = number_in(ctl::stirrup_area_req) * 100 * 1000 / number_in(ctl::stirrup_spacing);
  });
  return st;
}

}  // namespace platewise
