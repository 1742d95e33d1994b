#pragma once
// The constants of the U hoop plates, which the hoop-plate command and the
// check of its count share.

namespace platewise {

// N/mm²: what one hoop plate develops per mm² of beam width × hoop width.
inline constexpr double kHoopStrength = 3.6;
// The reduction of that strength where the first formula applies.
inline constexpr double kFirstFormulaFactor = 0.7;

}  // namespace platewise
