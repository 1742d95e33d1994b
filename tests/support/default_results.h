#pragma once
// The result fields, and what they show after a Calculate run with every
// input at its default, joined by "|" in the order of the fields.

#include <string>
#include <vector>

namespace platewise::testing {

inline const std::vector<std::string> kResultFields = {
    "bottom_plate", "selected_width", "top_plate",  "top_width",
    "anchorage",    "side_u_plates",  "crack_width"};
// The crack width is for the unrounded plate width, not for the 131 shown.
inline const std::string kDefaultResults =
    "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.038";

}  // namespace platewise::testing
