// The crack width at mid-span of the strengthened beam, with the bonded
// bottom plate counted as additional tension steel, and the two things
// that set the plate area it counts.

#include "form_handlers.h"
#include "number_rules.h"

namespace platewise {

void FormHandlers::SetBottomPlateArea() {
  run_step(Step::BottomPlateArea, [&] {
    // The unrounded required width, and only when this run sized a bottom plate.
    s_.bottom_plate_area =
        s_.as_bottom_req > s_.as_bottom ? s_.plate_t * s_.bottom_plate_width : Num(0);
  });
}

void FormHandlers::Text9_Change() {
  run_step(Step::PlateWidthEdit,
           [&] { s_.bottom_plate_area = number_in(ctl::bottom_width) * s_.plate_t; });
  CheckCrackWidth();
}

void FormHandlers::CheckCrackWidth() {
  run_step(Step::CrackCheck, [&] {
    const Num b = s_.beam_width, h = s_.beam_height, h0 = s_.h0, a = s_.cover;
    const Num as = s_.as_bottom, aa = s_.bottom_plate_area;

    const Num ate = (Num(0.5) * b) * h;
    const Num moment = number_in(ctl::moment);
    const Num sigma_s = (moment * 1e6) / ((Num(0.87) * h0) * (aa + as));
    const Num rho_te = ((Num(0.9) * aa) + as) / ate;
    Num psi = Num(1.1) - ((Num(0.65) * s_.ftk) / rho_te) / sigma_s;
    if (psi < 0.4) {
      psi = 0.4;
    } else if (psi > 1) {
      psi = 1;
    }
    // One tenth of the diameter of one bar with the whole effective tension steel.
    const Num d = Num(0.1) * sqrt(((Num(0.9) * aa) + as) / 0.785);
    const Num raw = ((((Num(2.1) * psi) * sigma_s) * ((Num(2.7) * (a - 10)) + (d / rho_te))) *
                     s_.bond_coef_bottom) /
                    s_.es_bottom;
    const Num width = whole_part(Num(1000) * raw) / 1000;  // cut down to 0.001 mm
    form_.set_text(ctl::crack_width, number_text(width.value()));
  });
}

}  // namespace platewise
