// The calculated anchorage length of the bonded plates, and the side U
// plates that make up for insufficient stirrups.

#include "form_handlers.h"
#include "result_texts.h"

namespace platewise {

void FormHandlers::anchor_length_step(PlateRecord& rec) {
  run_step(Step::Anchorage, [&] {
    s_.anchor_length = noted(rec.anchor_length, Num(2) * s_.fa_plate * s_.plate_t / s_.fc);
    write(role::anchorage, s_.anchor_length.text() + "mm");
  });
}

std::string FormHandlers::u_plate_text() const {
  return u_plate_result_text(Num(s_.u_plate_t).value(), Num(s_.u_plate_bu).value(),
                             Num(s_.u_plate_lu).value(), Num(s_.u_plate_s).value());
}

void FormHandlers::size_side_u_plates(const Stirrups& stirrups) {
  using Outcome = SideUPlateRecord::Outcome;
  SideUPlateRecord& rec = record_.calculate.u_plates;
  run_step(Step::SideUPlates, [&] {
    if (!(stirrups.required > stirrups.existing)) {
      rec.outcome = Outcome::NotNeeded;
      write(role::side_u_plates, std::string(kStirrupsEnough));
      return;
    }
    const Num asv_extra = noted(rec.extra, (stirrups.required - stirrups.existing) / 0.9);
    s_.u_plate_s = noted(rec.s, number_in(role::u_plate_spacing));
    s_.u_plate_lu = noted(rec.lu, Num(1.5) * s_.u_plate_s);
    // Lu may not exceed the beam height less 150 mm.
    if (s_.u_plate_lu > noted(rec.lu_limit, s_.beam_height - 150)) {
      rec.outcome = Outcome::LuTooLarge;
      write(role::side_u_plates, std::string(kLuTooLarge));
      return;
    }
    s_.u_plate_t = noted(rec.t, number_in(role::u_plate_thickness));
    s_.u_plate_bu = noted(rec.bu, asv_extra / 2 / s_.fa_plate * s_.u_plate_s / s_.u_plate_lu /
                                      s_.u_plate_t * stirrups.fyv);
    rec.outcome = Outcome::Sized;
    rec.bu_shown = shown_bu(rec.bu.value());
    write(role::side_u_plates, u_plate_text());
  });
}

}  // namespace platewise
