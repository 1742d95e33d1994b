#pragma once
// The design names the typeface "宋体" (SimSun), which Linux seldom has.

namespace platewise {

// Lets "宋体" and "SimSun" fall back to installed Chinese typefaces.
// Call once before the first window is built.
void register_cjk_font_substitutes();

}  // namespace platewise
