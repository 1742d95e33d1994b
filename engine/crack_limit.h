#pragma once
// The crack-width limit [w] of a report as the engineer types it, in the
// command line's --crack-limit, the dialog 计算书信息 and a beam file's
// "crack_limit": in mm, a positive number written as inputs are ("0.2",
// ".25", "2E-1", "1d-1"), blanks around it allowed, nothing else after it;
// an empty text means the default limit.

#include <optional>
#include <string_view>

namespace platewise {

// The limit the checks use when none is given, in mm.
inline constexpr double kDefaultCrackLimitMm = 0.3;

// The limit `text` gives, in mm; nothing when it is empty or no positive number.
std::optional<double> crack_limit_mm(std::string_view text);

// Whether `text` may stand as a limit: empty, or a positive number.
bool is_crack_limit_text(std::string_view text);

// What the engineer is told when it may not.
inline constexpr const char* kCrackLimitRule =
    "裂缝宽度限值[w]应为正数(mm)，如0.2或2E-1，或留空取默认值";

}  // namespace platewise
