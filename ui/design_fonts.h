#pragma once
// The design's fonts as Qt fonts: the face "宋体" at the design's sizes.

#include <QFont>

#include "form_design.h"

namespace platewise {

QFont design_font(window_design::Font font);

}  // namespace platewise
