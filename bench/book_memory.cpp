// A building's 计算书 as `platewise report` writes it: a table of 200 and of
// 1 000 beams to PDF, with the time and peak memory of each run (aims for
// 1 000 beams: 15 s and 300 MB), and how the memory grows with the beams.
//
//   book_memory PLATEWISE

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <string>

#include "process_cost.h"
#include "table_of_beams.h"

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PLATEWISE\n", argv[0]);
    return 2;
  }
  QTemporaryDir dir;
  try {
    long peak[2] = {};
    const int counts[2] = {200, 1000};
    for (int i = 0; i < 2; ++i) {
      const QString table = dir.filePath(QStringLiteral("beams-%1.csv").arg(counts[i]));
      QFile file(table);
      const QByteArray bytes = table_of_beams(counts[i]);
      if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "book_memory: cannot write %s\n", qPrintable(table));
        return 1;
      }
      file.close();
      const ProcessCost cost = run_to_exit(
          {argv[1], "report", table.toStdString(), "-o", dir.filePath("book.pdf").toStdString()},
          true);
      peak[i] = cost.peak_rss_kib;
      std::printf("report of %4d beams to PDF %8.2f s %9.1f MB peak (the PDF: %.1f MB)\n",
                  counts[i], cost.seconds, cost.peak_rss_kib / 1024.0,
                  static_cast<double>(QFile(dir.filePath("book.pdf")).size()) / (1 << 20));
    }
    std::printf("peak memory of 1 000 beams / of 200 beams: %.2f\n",
                static_cast<double>(peak[1]) / peak[0]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "book_memory: %s\n", error.what());
    return 1;
  }
  return 0;
}
