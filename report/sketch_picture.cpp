#include "sketch_picture.h"

namespace platewise {

// The report model carries no section sketch yet: once it does, the sketch
// is painted here at print resolution and encoded as PNG.
std::optional<ReportPicture> sketch_picture(const ReportModel&) { return std::nullopt; }

}  // namespace platewise
