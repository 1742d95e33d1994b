// Plate sizing: the optional redistribution of the top requirement, and the
// bonded bottom and top plates whose width makes up each face's shortfall.

#include "form_handlers.h"
#include "number_rules.h"

namespace platewise {
namespace {

// A plate width as shown: its 15-digit text read back, rounded down.
std::string width_text(Num width) {
  const double shown = strict_number(number_text(width.value())).value_or(width.value());
  return number_text(whole_part(shown).value());
}

}  // namespace

std::string FormHandlers::plate_text(Num width) const {
  return form_.text(ctl::plate_steel) + ":" + s_.plate_t.text() + "(厚)X" + width_text(width) +
         "(宽)";
}

void FormHandlers::set_bottom_width(const std::string& text) {
  form_.set_text(ctl::bottom_width, text);
  Text9_Change();
}

void FormHandlers::redistribute() {
  if (form_.check_value(ctl::redistribution_on) != 1) return;
  run_step(Step::Redistribution, [&] {
    const Num percent_kept = number_in(ctl::redistribution_percent);
    const Num moved_area = s_.as_top_req * (Num(100) - percent_kept) / 100;
    s_.as_top_req = s_.as_top_req - moved_area;
    s_.as_bottom_req = s_.as_bottom_req + moved_area;
  });
}

void FormHandlers::size_bottom_plate() {
  run_step(Step::BottomPlate, [&] {
    if (s_.as_bottom_req > s_.as_bottom) {
      const Num shortfall = s_.as_bottom_req - s_.as_bottom;
      s_.bottom_plate_width = shortfall / s_.fa_plate / 0.9 / s_.plate_t * s_.fy_bottom;
      form_.set_text(ctl::bottom_plate, plate_text(s_.bottom_plate_width));
      set_bottom_width(width_text(s_.bottom_plate_width));
      anchor_length_step();
    } else {
      form_.set_text(ctl::bottom_plate, "梁底无需加固");
      // No plate: the shown width must not stay from an earlier run, since the
      // hoop-plate command takes the bottom plate width from it.
      set_bottom_width("0");
    }
  });
}

void FormHandlers::size_top_plate() {
  run_step(Step::TopPlate, [&] {
    if (s_.as_top_req > s_.as_top) {
      const Num shortfall = s_.as_top_req - s_.as_top;
      const Num top_plate_width = shortfall / s_.fa_plate / 0.9 / s_.plate_t * s_.fy_top;
      form_.set_text(ctl::top_plate, plate_text(top_plate_width));
      form_.set_text(ctl::top_width, width_text(top_plate_width));
      anchor_length_step();
    } else {
      form_.set_text(ctl::top_plate, "梁面无需加固");
      form_.set_text(ctl::top_width, "0");
    }
  });
}

}  // namespace platewise
