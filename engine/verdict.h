#pragma once
// How a check of the design ends, and the word the report and the window give it.

#include <cstdint>
#include <string_view>

namespace platewise {

// In the order of their weight: the worst is the largest. Rounding is a note
// the program causes itself: a plate area short only because its width was
// rounded down to whole millimetres.
enum class Verdict { Satisfied, Rounding, Attention, NotSatisfied };

// "满足", "注意（取整）", "注意", "不满足"
std::string_view verdict_word(Verdict verdict);

// The colour a verdict is shown in, as 0xRRGGBB: dark green, amber, red.
constexpr std::uint32_t verdict_rgb(Verdict verdict) {
  switch (verdict) {
    case Verdict::Satisfied:
      return 0x1b5e20;
    case Verdict::Rounding:
    case Verdict::Attention:
      return 0xa85a00;
    case Verdict::NotSatisfied:
      break;
  }
  return 0xc00000;
}

}  // namespace platewise
