#pragma once
// The texts the handlers write into the result fields: the fixed messages
// and the texts made from numbers. Each is defined here once; the report
// reads what the handlers recorded writing.

#include <string>
#include <string_view>

namespace platewise {

inline constexpr std::string_view kNoBottomPlate = "梁底无需加固";
inline constexpr std::string_view kNoTopPlate = "梁面无需加固";
inline constexpr std::string_view kStirrupsEnough = "梁箍筋无需加固";
inline constexpr std::string_view kLuTooLarge = "Lu太大，请加密箍板间距";
inline constexpr std::string_view kNoHoops = "无需加箍";

// A plate width as shown: its 15-digit text read back and rounded down, "131".
std::string shown_width_text(double width);
// "A3号钢:4(厚)X131(宽)": plate steel as typed, thickness, shown width.
std::string plate_result_text(std::string_view steel, double t, std::string_view shown_width);
// The U plate's width as shown: the nearest whole number, halves up.
double shown_bu(double bu);
// "3(厚)X24(宽bu)X150(高Lu)@100": thickness, shown width, height and spacing.
std::string u_plate_result_text(double t, double bu, double lu, double s);

}  // namespace platewise
