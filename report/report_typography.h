#pragma once
// The last touches a formula line gets before it is set, whoever wrote it:
// a hyphen that stands for a minus sign becomes the minus sign (U+2212),
// and a value keeps its unit on its line (U+00A0 between them). Texts shown
// as typed (inputs, result fields, names) are set as they are.

#include <string>
#include <string_view>

namespace platewise {

// "h − a = 600 - 35 = (-5) mm" gives "… (−5)\u00A0mm": a hyphen before a
// digit is a minus where it follows no letter or digit ("KL-1" and
// "2026-12-07" keep theirs); a blank after a digit or a closing mark, before
// a letter or "%", becomes a non-breaking space.
std::string typeset_line(std::string_view text);

}  // namespace platewise
