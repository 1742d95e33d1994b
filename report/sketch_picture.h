#pragma once
// The section sketch of a chapter as the picture the editable formats
// (.docx, .odt) show under its inputs.

#include <optional>
#include <vector>

#include "report_book.h"
#include "report_outline.h"

namespace platewise {

// The sketch of `chapter` as a PNG with the size it is shown at; none while
// the chapter has no sketch.
std::optional<ReportPicture> sketch_picture(const ReportModel& chapter);
// The sketches of a book's chapters, in their order.
std::vector<std::optional<ReportPicture>> sketch_pictures(const ReportBook& book);

}  // namespace platewise
