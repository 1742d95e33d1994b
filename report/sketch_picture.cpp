#include "sketch_picture.h"

namespace platewise {

// The report model carries no section sketch yet: once it does, the sketch
// is painted here at print resolution and encoded as PNG.
std::optional<ReportPicture> sketch_picture(const ReportModel&) { return std::nullopt; }

std::vector<std::optional<ReportPicture>> sketch_pictures(const ReportBook& book) {
  std::vector<std::optional<ReportPicture>> pictures;
  for (const ReportModel& chapter : book.chapters) pictures.push_back(sketch_picture(chapter));
  return pictures;
}

}  // namespace platewise
