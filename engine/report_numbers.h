#pragma once
// How the report and the checks write numbers. A value as the window shows
// it (an input, a material value, a result) keeps its 15 digits; a value
// worked out on the way gets 4 significant figures, and from 1000 up is
// rounded to a whole number (65360, not 65360.0000000001). "−" (U+2212) is
// the minus sign, and exponents are marked: "1.5×10^{−5}".

#include <string>

namespace platewise {

// "131.419573643411", "−5": the number text of the window, with the report's signs.
std::string exact_text(double value);
// "46.78", "0.01814", "1472", "3.001×10^{−12}".
std::string approx_text(double value);
// approx_text with as many more figures as it takes for `rule` to give the
// same from the number written as from the value: a value a result is
// rounded from never looks as if it rounded to another result.
std::string approx_text_keeping(double value, double (*rule)(double));

// U+00A0, between a value and its unit.
inline constexpr const char* kNbsp = "\u00a0";

}  // namespace platewise
