#pragma once
// The short forms the members' table (构件一览表) gives the result texts, so
// that a row of a book's table reads at a glance and no cell has to break a
// name or a number: "A3号钢:4(厚)X131(宽)" is "−4×131 A3". A text that is not
// of the form a short one is made from (a message, a text typed over) stays
// as it is.

#include <string>
#include <string_view>

namespace platewise {

// A bonded plate: "A3号钢:4(厚)X131(宽)" → "−4×131 A3" (a non-breaking space
// before the steel); "梁底无需加固" → "无需加固".
std::string compact_plate(std::string_view text);
// Side U plates: "3(厚)X36(宽bu)X150(高Lu)@100" → "3×36@100"; "梁箍筋无需加固" → "无需加固".
std::string compact_u_plates(std::string_view text);
// Hoop plates: "4个3(厚)X24(宽bu)X150(高Lu)@100" → "4个3×24@100".
std::string compact_hoops(std::string_view text);
// A length whose column names the unit: "114.666666666667mm" → "114.666666666667".
std::string without_mm(std::string_view text);

}  // namespace platewise
