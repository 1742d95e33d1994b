// Writes a table of beams read from a CSV file as a workbook of inputs, as an
// engineer's spreadsheet holds it: numbers as numeric cells, the options as
// booleans, the rest as text. Made examples/beams.xlsx from
// examples/beams-gbk.csv:  make_example_workbook IN.csv OUT.xlsx

#include <xlsxwriter.h>

#include <QCoreApplication>
#include <cstdio>

#include "file_error.h"
#include "number_rules.h"
#include "table_file.h"
#include "table_header.h"

int main(int argc, char* argv[]) {
  using namespace platewise;
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: make_example_workbook IN.csv OUT.xlsx\n", stderr);
    return 2;
  }
  try {
    const std::vector<Beam> beams = read_table(QString::fromLocal8Bit(argv[1]));
    lxw_workbook* book = workbook_new(argv[2]);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "梁");
    std::vector<const InputField*> columns;  // as the first beam gives them
    worksheet_write_string(sheet, 0, 0, std::string(kNameHeader).c_str(), nullptr);
    for (const GivenInput& input : beams.at(0).inputs) {
      const auto column = static_cast<lxw_col_t>(columns.size() + 1);
      worksheet_write_string(sheet, 0, column, std::string(input.field->key).c_str(), nullptr);
      columns.push_back(input.field);
    }
    for (std::size_t i = 0; i < beams.size(); ++i) {
      const auto row = static_cast<lxw_row_t>(i + 1);
      worksheet_write_string(sheet, row, 0, beams[i].name.c_str(), nullptr);
      for (std::size_t c = 0; c < columns.size(); ++c) {
        const InputValue* value = beams[i].given(columns[c]->key);
        const auto column = static_cast<lxw_col_t>(c + 1);
        if (const bool* ticked = std::get_if<bool>(value)) {
          worksheet_write_boolean(sheet, row, column, *ticked, nullptr);
        } else if (const auto number = strict_number(std::get<std::string>(*value))) {
          worksheet_write_number(sheet, row, column, *number, nullptr);
        } else {
          worksheet_write_string(sheet, row, column, std::get<std::string>(*value).c_str(),
                                 nullptr);
        }
      }
    }
    return workbook_close(book) == LXW_NO_ERROR ? 0 : 2;
  } catch (const FileError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 2;
  }
}
