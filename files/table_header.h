#pragma once
// What a table's header cell names, in a CSV or .xlsx table or in a block
// pasted from a spreadsheet: an input by its role key ("beam_width") or by
// the label the form shows beside it ("梁宽(mm)"), a result likewise, or the
// beam's name column ("name" or "构件编号"). Blanks around the cell are
// ignored, and so are letter case and full-width brackets in a label
// ("梁宽（MM）" names beam_width).

#include <string_view>

#include "form_fields.h"

namespace platewise {

// The input the cell names, or nullptr.
const InputField* input_of_header(std::string_view cell);
// The result the cell names, or nullptr.
const ResultField* result_of_header(std::string_view cell);
// Whether the cell names the beam's name column.
bool is_name_header(std::string_view cell);

// The name column's header as tables and results are written: "name".
inline constexpr std::string_view kNameHeader = "name";
// The name column's label, as the report's members' table heads it.
inline constexpr std::string_view kNameLabel = "构件编号";

}  // namespace platewise
