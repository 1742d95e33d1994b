#pragma once
// Tab-separated text as spreadsheets put it on the clipboard: cells
// separated by tabs, rows by LF or CRLF, the last row's line end optional.
// A cell that holds a tab, a line break or a double quote is written in
// double quotes with its quotes doubled, and read back the same way. Text
// is UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace platewise {

using TsvRows = std::vector<std::vector<std::string>>;

// The rows of `text`; an empty text has none.
TsvRows parse_tsv(std::string_view text);
// `rows` as text, every row ended by LF.
std::string tsv_text(const TsvRows& rows);

}  // namespace platewise
