#include "result_texts.h"

#include "checked_number.h"
#include "number_rules.h"

namespace platewise {

std::string shown_width_text(double width) {
  return number_text(whole_part(shown_number(width)).value());
}

std::string plate_result_text(std::string_view steel, double t, std::string_view shown_width) {
  std::string text(steel);
  text.append(":").append(number_text(t)).append("(厚)X").append(shown_width);
  return text.append("(宽)");
}

double shown_bu(double bu) { return whole_part(Num(bu) + 0.5).value(); }

std::string u_plate_result_text(double t, double bu, double lu, double s) {
  return number_text(t) + "(厚)X" + number_text(shown_bu(bu)) + "(宽bu)X" + number_text(lu) +
         "(高Lu)@" + number_text(s);
}

}  // namespace platewise
