// Plate sizing: the optional redistribution of the top requirement, and the
// bonded bottom and top plates whose width makes up each face's shortfall.

#include "form_handlers.h"
#include "number_rules.h"
#include "result_texts.h"

namespace platewise {

std::string FormHandlers::plate_text(const std::string& shown_width) const {
  const std::string* steel = calculate_input(role::plate_steel);
  return plate_result_text(steel != nullptr ? *steel : form_.text(role::plate_steel),
                           Num(s_.plate_t).value(), shown_width);
}

void FormHandlers::set_bottom_width(const std::string& text) {
  write(role::selected_width, text);
  selected_width_edited();
}

void FormHandlers::redistribute() {
  if (form_.check_value(role::redistribution_on) != 1) return;
  CalculateRecord::Redistribution& rec = record_.calculate.redistribution;
  rec.on = true;
  run_step(Step::Redistribution, [&] {
    const Num percent_kept = noted(rec.percent, number_in(role::redistribution_percent));
    const Num moved_area = noted(rec.moved, s_.as_top_req * (Num(100) - percent_kept) / 100);
    s_.as_top_req = noted(rec.as_top_req, s_.as_top_req - moved_area);
    s_.as_bottom_req = noted(rec.as_bottom_req, s_.as_bottom_req + moved_area);
  });
}

void FormHandlers::size_bottom_plate() {
  PlateRecord& rec = record_.calculate.bottom;
  run_step(Step::BottomPlate, [&] {
    rec.needed = s_.as_bottom_req > s_.as_bottom;
    if (*rec.needed) {
      const Num shortfall = noted(rec.shortfall, s_.as_bottom_req - s_.as_bottom);
      s_.bottom_plate_width =
          noted(rec.width, shortfall / s_.fa_plate / 0.9 / s_.plate_t * s_.fy_bottom);
      const std::string shown = shown_width_text(Num(s_.bottom_plate_width).value());
      rec.shown = number_of_text(shown);
      write(role::bottom_plate, plate_text(shown));
      set_bottom_width(shown);
      anchor_length_step(rec);
    } else {
      write(role::bottom_plate, std::string(kNoBottomPlate));
      // No plate: the shown width must not stay from an earlier run, since the
      // hoop-plate command takes the bottom plate width from it.
      set_bottom_width("0");
    }
  });
}

void FormHandlers::size_top_plate() {
  PlateRecord& rec = record_.calculate.top;
  run_step(Step::TopPlate, [&] {
    rec.needed = s_.as_top_req > s_.as_top;
    if (*rec.needed) {
      const Num shortfall = noted(rec.shortfall, s_.as_top_req - s_.as_top);
      const Num top_plate_width =
          noted(rec.width, shortfall / s_.fa_plate / 0.9 / s_.plate_t * s_.fy_top);
      const std::string shown = shown_width_text(top_plate_width.value());
      rec.shown = number_of_text(shown);
      write(role::top_plate, plate_text(shown));
      write(role::top_width, shown);
      anchor_length_step(rec);
    } else {
      write(role::top_plate, std::string(kNoTopPlate));
      write(role::top_width, "0");
    }
  });
}

}  // namespace platewise
