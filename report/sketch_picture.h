#pragma once
// The section sketch as the picture the editable formats (.docx, .odt)
// show under its inputs.

#include "report_outline.h"

namespace platewise {

// The sketch as a PNG and an SVG, with the size it is shown at.
ReportPicture sketch_picture(const SectionSketch& sketch);

}  // namespace platewise
