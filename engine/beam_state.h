#pragma once
// BeamState: the numeric record that outlives one handler. Every member
// starts unset; an unset member counts as 0 in arithmetic and gives the
// empty text as number text.

#include <optional>
#include <string>

#include "checked_number.h"

namespace platewise {

class Member {
 public:
  Member& operator=(Num v) {
    value_ = v.value();
    return *this;
  }
  operator Num() const { return Num(value_.value_or(0.0)); }  // NOLINT: members read as numbers
  bool is_set() const { return value_.has_value(); }
  // Number text of the value; empty while unset.
  std::string text() const;

 private:
  std::optional<double> value_;
};

struct BeamState {
  // Section (written by every Calculate run)
  Member beam_width;     // mm
  Member beam_height;    // mm
  Member cover;          // tension face to bar centroid, mm
  Member h0;             // effective depth, mm
  Member plate_t;        // bonded plate thickness, mm
  Member as_bottom;      // existing bottom bars, mm²
  Member as_top;         // existing top bars, mm²
  Member as_bottom_req;  // required bottom steel, after redistribution, mm²
  Member as_top_req;     // required top steel, after redistribution, mm²

  // Materials (written by every Calculate run)
  Member fy_bottom;         // N/mm²
  Member fy_top;            // N/mm²
  Member es_bottom;         // N/mm²
  Member bond_coef_bottom;  // –
  Member fa_plate;          // plate steel design strength, N/mm²
  Member fc;                // concrete design compressive strength, N/mm²
  Member fcv;               // concrete shear strength of the anchorage zone, N/mm²
  Member ftk;               // concrete characteristic tensile strength, N/mm²

  // Written only by the branches that compute them
  Member bottom_plate_width;  // required, unrounded, mm
  Member bottom_plate_area;   // counted by the crack check, mm²
  Member anchor_length;       // calculated anchorage length, mm
  Member u_plate_s;           // side U-plate spacing, mm
  Member u_plate_lu;          // side U-plate height Lu, mm
  Member u_plate_t;           // side U-plate thickness, mm
  Member u_plate_bu;          // side U-plate width bu, unrounded, mm
};

}  // namespace platewise
