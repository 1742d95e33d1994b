#pragma once
// What a table's or a pasted cell says for one of the two options:
// true/false, 1/0 or 是/否, letter case and blanks around it ignored, an
// empty cell as false.

#include <optional>
#include <string_view>

namespace platewise {

// Whether the option is ticked; nullopt for any other text.
std::optional<bool> option_word(std::string_view cell);

}  // namespace platewise
