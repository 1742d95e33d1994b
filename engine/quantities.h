#pragma once
// Every quantity the handlers compute, read or look up, declared once: its
// symbol (with the marks of report_text.h), what it means, its unit and how
// the report writes its value. The formulas (formula.h) name their results
// and operands by these ids, so a report line, the table of symbols and the
// checks all take a quantity's symbol, meaning and unit from here.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace platewise {

// In the order of the table of symbols.
enum class Q : std::uint8_t {
  b,
  h,
  a,
  h0,
  t,  // section
  db,
  nb,
  dt,
  nt,
  as_b,
  as_t,  // existing bars
  top_req_cm2,
  bottom_req_cm2,
  as_t_req,
  as_b_req,  // required areas, as given and in mm²
  beta,
  moved,
  as_t_req_r,
  as_b_req_r,  // redistribution
  short_b,
  short_t,  // shortfalls
  fy_b,
  fy_t,
  es,
  nu,
  fa,
  fc,
  fcv,
  ftk,  // materials
  width_b,
  width_t,
  sel_b,
  sel_t,  // plate widths: calculated, selected
  la,
  la_used,
  la_act,  // anchorage lengths
  dv,
  nv,
  sv,
  fyv,
  asv_cm2,
  asv,
  asv_req,
  asv_short,  // stirrups
  su,
  lu,
  lu_max,
  tu,
  bu,
  bu_sel,  // side U plates
  aa,
  mk,
  ate,
  sigma_s,
  rho_te,
  psi_raw,
  psi,
  d,
  c,
  w_max,
  w,
  w_limit,  // crack check
  nh,
  nh_raw,
  nh_count,
  nh_capacity,  // hoop plates
  count_,
};
inline constexpr std::size_t kQuantityCount = static_cast<std::size_t>(Q::count_);

// How a value is written: in full as a field shows it, or to 4 significant
// figures with as many more as a rounding that follows needs to come out the
// same from the written number (report_numbers.h).
enum class Shown : std::uint8_t {
  Exact,     // an input, a looked-up value, a result as its field shows it
  Approx,    // a value worked out on the way
  Width,     // a plate width, before it is rounded down
  HalfUp,    // the U plates' width, before it is rounded to the nearest
  Thousand,  // the crack width, before it is cut down to 0.001 mm
  Floor,     // the hoop count, before it is rounded down
  Bounded,   // ψ, before it is held between 0.4 and 1
};

struct Quantity {
  Q id;
  std::string_view symbol;   // "A_{s,b}"
  std::string_view meaning;  // "梁底现有钢筋面积"
  std::string_view unit;     // "mm²"; empty for a pure number
  Shown shown;
};

std::span<const Quantity> quantities();
const Quantity& quantity(Q id);

// The value as the report writes it by the quantity's rule, without unit;
// a negative value in brackets when `operand` (it stands in a formula).
std::string value_text(Q id, double value, bool operand = false);

}  // namespace platewise
