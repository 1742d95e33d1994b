#pragma once
// How field texts become numbers and numbers become texts.

#include <optional>
#include <string>
#include <string_view>

namespace platewise {

// The number that the leading part of `text` spells. Blanks, tabs and line
// feeds are removed first, wherever they stand; then an optional sign, digits,
// one point and an exponent (E, e, D or d) are read, or "&H"/"&O" followed by
// hexadecimal or octal digits. Reading stops at the first character that
// cannot continue the number; a text without a number reads as 0.
// Throws ArithmeticFault(Overflow) for a number too large for a double.
double number_of_text(std::string_view text);

// The text of a number: rounded to 15 significant digits, positional, without
// trailing zeros, "0" before the point below 1; exponent form ("1.5E+20",
// "1E-05") only from 1E+15 up and below 1E-04. Negative zero gives "0";
// infinities and NaN, which checked arithmetic never lets through, give
// "INF", "-INF" and "NAN".
std::string number_text(double value);

// The number that number_text(value) spells: the value as a field shows it,
// rounded to 15 significant digits.
double shown_number(double value);

// Reads a text that is exactly a number in the form number_text writes;
// nothing else (no blanks, no trailing characters) is accepted.
std::optional<double> strict_number(std::string_view text);

}  // namespace platewise
