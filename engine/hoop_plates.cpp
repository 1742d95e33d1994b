// The U hoop-plate command ("计算U型箍板"): hoop plates at the plate ends
// where the anchorage length actually available is shorter than calculated.

#include "form_handlers.h"
#include "number_rules.h"

namespace platewise {

void FormHandlers::Command2_Click() {
  run_step(Step::HoopPlates, [&] {
    const Num actual_anchor_length = number_in(ctl::actual_anchorage);
    if (actual_anchor_length - s_.anchor_length >= 0) {
      form_.set_text(ctl::hoop_plates, "无需加箍");
      return;
    }
    const bool first_formula = Num(3.6) * s_.beam_width <= (Num(2) * s_.fcv) * s_.u_plate_lu;
    const Num plate_width_selected = number_in(ctl::bottom_width);
    // Force of the bottom plate less what the concrete carries over the actual length, N.
    const Num excess = (s_.fa_plate * plate_width_selected) * s_.plate_t -
                       ((Num(0.5) * s_.fcv) * s_.beam_width) * actual_anchor_length;
    if (excess <= 0) {
      // The concrete already carries the plate force: a count would be zero or negative.
      form_.set_text(ctl::hoop_plates, "无需加箍");
      return;
    }
    const Num quotient = first_formula ? excess / 0.7 / 3.6 / s_.beam_width / s_.u_plate_bu
                                       : excess / 3.6 / s_.beam_width / s_.u_plate_bu;
    const Num hoop_count = whole_part(quotient);
    form_.set_text(ctl::hoop_plates, number_text(hoop_count.value()) + "个" + u_plate_text());
  });
}

}  // namespace platewise
