#pragma once
// The crack-width limit [w] of a report as the engineer types it: in mm, a
// positive number with blanks around it allowed; an empty text means the
// default limit.

#include <optional>
#include <string_view>

namespace platewise {

// The limit `text` gives, in mm; nothing when it is empty or no positive number.
std::optional<double> crack_limit_mm(std::string_view text);

// Whether `text` may stand as a limit: empty, or a positive number.
bool is_crack_limit_text(std::string_view text);

// What the engineer is told when it may not.
inline constexpr const char* kCrackLimitRule = "裂缝宽度限值[w]应为正数(mm)，或留空取默认值";

}  // namespace platewise
