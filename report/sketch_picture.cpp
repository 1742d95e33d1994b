#include "sketch_picture.h"

#include "sketch_painting.h"

namespace platewise {

// Fine enough for print: its thinnest lines are over two pixels wide.
constexpr double kPictureDpi = 300;

std::optional<ReportPicture> sketch_picture(const ReportModel& chapter) {
  if (!chapter.sketch) return std::nullopt;
  const QSizeF size = sketch_paper_size(*chapter.sketch);
  return ReportPicture{sketch_png(*chapter.sketch, kPictureDpi), sketch_svg(*chapter.sketch),
                       size.width(), size.height()};
}

std::vector<std::optional<ReportPicture>> sketch_pictures(const ReportBook& book) {
  std::vector<std::optional<ReportPicture>> pictures;
  for (const ReportModel& chapter : book.chapters) pictures.push_back(sketch_picture(chapter));
  return pictures;
}

}  // namespace platewise
