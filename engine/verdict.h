#pragma once
// How a check of the design ends, and the word the report and the window give it.

#include <string_view>

namespace platewise {

// In the order of their weight: the worst is the largest.
enum class Verdict { Satisfied, Attention, NotSatisfied };

// "满足", "注意", "不满足"
std::string_view verdict_word(Verdict verdict);

}  // namespace platewise
