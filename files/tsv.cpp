#include "tsv.h"

namespace platewise {
namespace {

bool needs_quotes(std::string_view cell) {
  return cell.find_first_of("\t\r\n\"") != std::string_view::npos;
}

}  // namespace

TsvRows parse_tsv(std::string_view text) {
  TsvRows rows;
  std::vector<std::string> row;
  std::string cell;
  std::size_t i = 0;
  const auto end_row = [&] {
    row.push_back(std::move(cell));
    cell.clear();
    rows.push_back(std::move(row));
    row.clear();
  };
  while (i < text.size()) {
    // A cell that opens with a quote runs to the quote that closes it; a
    // quote inside is doubled. An unclosed quote takes the rest as text.
    if (cell.empty() && text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            cell += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        cell += text[i++];
      }
    }
    if (i >= text.size()) break;
    const char c = text[i++];
    if (c == '\t') {
      row.push_back(std::move(cell));
      cell.clear();
    } else if (c == '\n') {
      end_row();
    } else if (c == '\r' && i < text.size() && text[i] == '\n') {
      ++i;
      end_row();
    } else {
      cell += c;
    }
  }
  // The last row, unless the text ended with its line end.
  if (!cell.empty() || !row.empty() || (!text.empty() && text.back() == '"')) end_row();
  return rows;
}

std::string tsv_text(const TsvRows& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text += '\t';
      if (!needs_quotes(row[i])) {
        text += row[i];
        continue;
      }
      text += '"';
      for (const char c : row[i]) {
        if (c == '"') text += '"';
        text += c;
      }
      text += '"';
    }
    text += '\n';
  }
  return text;
}

}  // namespace platewise
