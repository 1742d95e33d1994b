// Big inputs through `platewise calc`: a table of about 190 MB must run in
// the memory a small table takes, and a beam file of 200 MB must be refused
// at once, before it is read. Prints the time and peak memory of each.
//
//   big_files PLATEWISE

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <string>

#include "process_cost.h"

namespace {

constexpr qint64 kTableBytes = 190LL << 20;
constexpr qint64 kBeamFileBytes = 200LL << 20;

// A table of `bytes` or a little more: beams that differ in section,
// materials and options, with long names, as a spreadsheet writes them.
bool write_table(const QString& path, qint64 bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(
      "name,beam_width,beam_height,concrete_grade,bottom_area_req,redistribution_on,"
      "short_anchorage_on,actual_anchorage\r\n");
  static const char* const kGrades[] = {"C20", "C25", "C30", "C35"};
  const QByteArray long_name(120, 'K');
  for (int i = 0; file.size() < bytes; ++i) {
    file.write(QByteArray(long_name + "-" + QByteArray::number(i) + "," +
                          QByteArray::number(200 + i % 5 * 50) + "," +
                          QByteArray::number(500 + i % 4 * 100) + "," + kGrades[i % 4] + "," +
                          QByteArray::number(15 + i % 7) + (i % 2 ? ",TRUE," : ",FALSE,") +
                          (i % 3 ? "0" : "1") + ",150\r\n"));
  }
  return file.error() == QFileDevice::NoError;
}

void report(const char* what, const ProcessCost& cost) {
  std::printf("%-40s %8.2f s %9.1f MB peak\n", what, cost.seconds, cost.peak_rss_kib / 1024.0);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PLATEWISE\n", argv[0]);
    return 2;
  }
  const std::string program = argv[1];
  QTemporaryDir dir;
  const std::string small = dir.filePath("small.csv").toStdString();
  const std::string big = dir.filePath("big.csv").toStdString();
  const std::string beam_file = dir.filePath("big.json").toStdString();
  const std::string out = dir.filePath("out.csv").toStdString();
  QFile sparse(QString::fromStdString(beam_file));
  if (!write_table(QString::fromStdString(small), 1 << 20) ||
      !write_table(QString::fromStdString(big), kTableBytes) ||
      !sparse.open(QIODevice::WriteOnly) || !sparse.resize(kBeamFileBytes)) {
    std::fprintf(stderr, "big_files: cannot write the inputs in %s\n", qPrintable(dir.path()));
    return 1;
  }
  try {
    const ProcessCost small_run = run_to_exit({program, "calc", small, "-o", out}, true);
    report("calc of a 1 MB table", small_run);
    const ProcessCost big_run = run_to_exit({program, "calc", big, "-o", out}, true);
    report("calc of a 190 MB table, into a file", big_run);
    report("calc of a 190 MB table, to standard output", run_to_exit({program, "calc", big}, true));
    report("calc of a 200 MB beam file (refused)",
           run_to_exit({program, "calc", beam_file}, true, 2));
    std::printf("peak memory of the 190 MB table / the 1 MB table: %.2f\n",
                static_cast<double>(big_run.peak_rss_kib) / small_run.peak_rss_kib);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "big_files: %s\n", error.what());
    return 1;
  }
  return 0;
}
