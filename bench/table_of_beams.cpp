#include "table_of_beams.h"

#include <QString>

QByteArray table_of_beams(int beams) {
  QByteArray table =
      "name,beam_width,beam_height,concrete_grade,bottom_area_req,redistribution_on,"
      "short_anchorage_on,actual_anchorage\r\n";
  static const char* const kGrades[] = {"C20", "C25", "C30", "C35"};
  for (int i = 0; i < beams; ++i) {
    table += QStringLiteral("KL-%1,%2,%3,%4,%5,%6,%7,150\r\n")
                 .arg(i)
                 .arg(200 + i % 5 * 50)
                 .arg(500 + i % 4 * 100)
                 .arg(kGrades[i % 4])
                 .arg(15 + i % 7)
                 .arg(i % 2 ? "TRUE" : "FALSE")
                 .arg(i % 3 ? "否" : "是")
                 .toUtf8();
  }
  return table;
}
