#pragma once
// BeamState: the numeric record that outlives one handler. Every member
// starts unset; an unset member counts as 0 in arithmetic and gives the
// empty text as number text. A member stands in formulas (formula.h) as the
// quantity it last held: the bottom requirement is A_{s,b,req} as read and
// A_{s,b,req}^{*} once redistributed.

#include <optional>
#include <string>

#include "formula.h"

namespace platewise {

class Member {
 public:
  explicit constexpr Member(Q id) : id_(id) {}
  Member& operator=(Value v) {
    value_ = v.value;
    id_ = v.id;
    return *this;
  }
  // As an operand: its quantity and its value, 0 while unset.
  Value term() const { return {id_, value_.value_or(0.0)}; }
  double value() const { return value_.value_or(0.0); }
  bool is_set() const { return value_.has_value(); }
  // Number text of the value; empty while unset.
  std::string text() const;

 private:
  std::optional<double> value_;
  Q id_;
};

inline Value as_formula(const Member& m) { return m.term(); }

struct BeamState {
  // Section (written by every Calculate run)
  Member beam_width{Q::b};            // mm
  Member beam_height{Q::h};           // mm
  Member cover{Q::a};                 // tension face to bar centroid, mm
  Member h0{Q::h0};                   // effective depth, mm
  Member plate_t{Q::t};               // bonded plate thickness, mm
  Member as_bottom{Q::as_b};          // existing bottom bars, mm²
  Member as_top{Q::as_t};             // existing top bars, mm²
  Member as_bottom_req{Q::as_b_req};  // required bottom steel, after redistribution, mm²
  Member as_top_req{Q::as_t_req};     // required top steel, after redistribution, mm²

  // Materials (written by every Calculate run)
  Member fy_bottom{Q::fy_b};       // N/mm²
  Member fy_top{Q::fy_t};          // N/mm²
  Member es_bottom{Q::es};         // N/mm²
  Member bond_coef_bottom{Q::nu};  // –
  Member fa_plate{Q::fa};          // plate steel design strength, N/mm²
  Member fc{Q::fc};                // concrete design compressive strength, N/mm²
  Member fcv{Q::fcv};              // concrete shear strength of the anchorage zone, N/mm²
  Member ftk{Q::ftk};              // concrete characteristic tensile strength, N/mm²

  // Written only by the branches that compute them
  Member bottom_plate_width{Q::width_b};  // required, unrounded, mm
  Member bottom_plate_area{Q::aa};        // counted by the crack check, mm²
  Member anchor_length{Q::la};            // calculated anchorage length, mm
  Member u_plate_s{Q::su};                // side U-plate spacing, mm
  Member u_plate_lu{Q::lu};               // side U-plate height Lu, mm
  Member u_plate_t{Q::tu};                // side U-plate thickness, mm
  Member u_plate_bu{Q::bu};               // side U-plate width bu, unrounded, mm
};

}  // namespace platewise
