// The crack width at mid-span of the strengthened beam, with the bonded
// bottom plate counted as additional tension steel, and the two things
// that set the plate area it counts.

#include <algorithm>

#include "form_handlers.h"
#include "number_rules.h"

namespace platewise {

void FormHandlers::set_bottom_plate_area() {
  CalculateRecord::PlateArea& rec = record_.calculate.plate_area;
  run_step(Step::BottomPlateArea, [&] {
    // The unrounded required width, and only when this run sized a bottom plate.
    rec.bottom_needed = s_.as_bottom_req > s_.as_bottom;
    s_.bottom_plate_area =
        noted(rec.area, *rec.bottom_needed
                            ? noted(rec.t, s_.plate_t) * noted(rec.width, s_.bottom_plate_width)
                            : Num(0));
  });
}

void FormHandlers::selected_width_edited() {
  // Inside Calculate, the write of the shown width; otherwise the engineer's edit.
  if (calculating_) return width_changed(record_.calculate.shown_width);
  WidthEditRecord& rec = record_.width_edit.emplace();
  rec.sequence = ++record_.events;
  try {
    width_changed(rec);
  } catch (const CalcError& error) {
    rec.error = error;
    throw;
  }
}

void FormHandlers::width_changed(WidthEditRecord& rec) {
  run_step(Step::PlateWidthEdit, [&] {
    rec.typed = form_.text(role::selected_width);
    s_.bottom_plate_area =
        noted(rec.area, noted(rec.width, number_of_text(rec.typed)) * noted(rec.t, s_.plate_t));
  });
  check_crack_width(rec.check);
}

void FormHandlers::check_crack_width(CrackRecord& rec) {
  run_step(Step::CrackCheck, [&] {
    const Num b = noted(rec.b, s_.beam_width), h = noted(rec.h, s_.beam_height);
    const Num h0 = noted(rec.h0, s_.h0), a = noted(rec.a, s_.cover);
    const Num as = noted(rec.as, s_.as_bottom), aa = noted(rec.aa, s_.bottom_plate_area);
    noted(rec.ftk, s_.ftk);
    noted(rec.nu, s_.bond_coef_bottom);
    noted(rec.es, s_.es_bottom);

    const Num ate = noted(rec.ate, (Num(0.5) * b) * h);
    const Num moment = noted(rec.moment, number_in(role::moment));
    const Num sigma_s = noted(rec.sigma_s, (moment * 1e6) / ((Num(0.87) * h0) * (aa + as)));
    const Num rho_te = noted(rec.rho_te, ((Num(0.9) * aa) + as) / ate);
    const Num psi_raw = noted(rec.psi_raw, Num(1.1) - ((Num(0.65) * s_.ftk) / rho_te) / sigma_s);
    const Num psi = std::clamp(psi_raw.value(), 0.4, 1.0);  // 0.4 and 1 themselves stay
    rec.psi = psi.value();
    // One tenth of the diameter of one bar with the whole effective tension steel.
    const Num d = noted(rec.d, Num(0.1) * sqrt(((Num(0.9) * aa) + as) / 0.785));
    const Num raw =
        noted(rec.raw,
              ((((Num(2.1) * psi) * sigma_s) * ((Num(2.7) * noted(rec.c, a - 10)) + (d / rho_te))) *
               s_.bond_coef_bottom) /
                  s_.es_bottom);
    const Num width = noted(rec.w, whole_part(Num(1000) * raw) / 1000);  // cut down to 0.001 mm
    write(role::crack_width, number_text(width.value()));
  });
}

}  // namespace platewise
