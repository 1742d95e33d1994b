// Writes a table of beams (CSV or .xlsx) as a workbook of their inputs
// (beams_workbook.h). Made examples/beams.xlsx from examples/beams-gbk.csv:
//   make_example_workbook IN.csv OUT.xlsx

#include <QCoreApplication>
#include <cstdio>

#include "beams_workbook.h"
#include "file_error.h"
#include "file_io.h"
#include "table_file.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: make_example_workbook IN.csv OUT.xlsx\n", stderr);
    return 2;
  }
  try {
    const QString out = QString::fromLocal8Bit(argv[2]);
    platewise::write_atomically(
        out, platewise::beams_workbook_bytes(platewise::read_table(QString::fromLocal8Bit(argv[1])),
                                             out));
    return 0;
  } catch (const platewise::FileError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 2;
  }
}
