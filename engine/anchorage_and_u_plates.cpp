// The calculated anchorage length of the bonded plates, and the side U
// plates that make up for insufficient stirrups.

#include "form_handlers.h"
#include "number_rules.h"

namespace platewise {

void FormHandlers::anchor_length_step() {
  run_step(Step::Anchorage, [&] {
    s_.anchor_length = Num(2) * s_.fa_plate * s_.plate_t / s_.fc;
    form_.set_text(ctl::anchorage, s_.anchor_length.text() + "mm");
  });
}

std::string FormHandlers::u_plate_text() const {
  const Num bu_shown = whole_part(s_.u_plate_bu + 0.5);  // nearest whole number, halves up
  return s_.u_plate_t.text() + "(厚)X" + number_text(bu_shown.value()) + "(宽bu)X" +
         s_.u_plate_lu.text() + "(高Lu)@" + s_.u_plate_s.text();
}

void FormHandlers::size_side_u_plates(const Stirrups& stirrups) {
  run_step(Step::SideUPlates, [&] {
    if (!(stirrups.required > stirrups.existing)) {
      form_.set_text(ctl::side_u_plates, "梁箍筋无需加固");
      return;
    }
    const Num asv_extra = (stirrups.required - stirrups.existing) / 0.9;
    s_.u_plate_s = number_in(ctl::u_plate_spacing);
    s_.u_plate_lu = Num(1.5) * s_.u_plate_s;
    // Lu may not exceed the beam height less 150 mm.
    if (s_.u_plate_lu > s_.beam_height - 150) {
      form_.set_text(ctl::side_u_plates, "Lu太大，请加密箍板间距");
      return;
    }
    s_.u_plate_t = number_in(ctl::u_plate_thickness);
    s_.u_plate_bu =
        asv_extra / 2 / s_.fa_plate * s_.u_plate_s / s_.u_plate_lu / s_.u_plate_t * stirrups.fyv;
    form_.set_text(ctl::side_u_plates, u_plate_text());
  });
}

}  // namespace platewise
