#include "sketch_picture.h"

#include "sketch_painting.h"

namespace platewise {

// Fine enough for print: its thinnest lines are over two pixels wide.
constexpr double kPictureDpi = 300;

ReportPicture sketch_picture(const SectionSketch& sketch) {
  const QSizeF size = sketch_paper_size(sketch);
  return ReportPicture{sketch_png(sketch, kPictureDpi), sketch_svg(sketch), size.width(),
                       size.height()};
}

}  // namespace platewise
