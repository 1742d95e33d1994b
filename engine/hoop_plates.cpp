// The U hoop-plate command ("计算U型箍板"): hoop plates at the plate ends
// where the anchorage length actually available is shorter than calculated.

#include "form_handlers.h"
#include "number_rules.h"
#include "result_texts.h"

namespace platewise {

bool FormHandlers::anchorage_enough(HoopRecord& rec, Num actual) const {
  // The calculated length as its field shows it, so that the length the
  // short-anchorage box fills in, or the same digits typed, is long enough.
  const Num calculated = noted(rec.anchor_length, shown_number(Num(s_.anchor_length).value()));
  return actual - calculated >= 0;
}

void FormHandlers::size_hoop_plates() {
  HoopRecord& rec = record_.hoops.emplace();
  rec.sequence = ++record_.events;
  try {
    run_step(Step::HoopPlates, [&] {
      rec.actual_typed = form_.text(role::actual_anchorage);
      const Num actual_anchor_length = noted(rec.actual, number_of_text(rec.actual_typed));
      const bool enough = anchorage_enough(rec, actual_anchor_length);
      rec.needed = !enough;
      if (enough) {
        write(role::hoop_plates, std::string(kNoHoops));
        return;
      }
      const bool first_formula = Num(3.6) * noted(rec.b, s_.beam_width) <=
                                 (Num(2) * noted(rec.fcv, s_.fcv)) * noted(rec.lu, s_.u_plate_lu);
      rec.first_formula = first_formula;
      rec.width_typed = form_.text(role::selected_width);
      const Num plate_width_selected = noted(rec.width, number_of_text(rec.width_typed));
      // Force of the bottom plate less what the concrete carries over the actual length, N.
      const Num excess =
          noted(rec.excess,
                (noted(rec.fa, s_.fa_plate) * plate_width_selected) * noted(rec.t, s_.plate_t) -
                    ((Num(0.5) * s_.fcv) * s_.beam_width) * actual_anchor_length);
      if (excess <= 0) {
        // The concrete already carries the plate force: a count would be zero or negative.
        write(role::hoop_plates, std::string(kNoHoops));
        return;
      }
      noted(rec.u_t, s_.u_plate_t);
      noted(rec.u_s, s_.u_plate_s);
      const Num bu = noted(rec.u_bu, s_.u_plate_bu);
      const Num quotient =
          noted(rec.quotient, first_formula ? excess / 0.7 / 3.6 / s_.beam_width / bu
                                            : excess / 3.6 / s_.beam_width / bu);
      const Num hoop_count = noted(rec.count, whole_part(quotient));
      write(role::hoop_plates, number_text(hoop_count.value()) + "个" + u_plate_text());
    });
  } catch (const CalcError& error) {
    rec.error = error;
    throw;
  }
  rec.finished = true;
}

}  // namespace platewise
