#pragma once
// The design measures in twips (1440 to the inch); Qt places widgets in
// device-independent pixels (96 to the inch), and high-DPI scaling does the rest.

#include "form_design.h"

namespace platewise {

inline constexpr int kTwipsPerPixel = window_design::kTwipsPerInch / 96;

// Nearest whole pixel of a non-negative twips measure.
constexpr int to_pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

}  // namespace platewise
