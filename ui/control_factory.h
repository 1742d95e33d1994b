#pragma once
// Builds the controls of the design table as Qt widgets.

#include <QWidget>
#include <map>
#include <string>

#include "form_design.h"

namespace platewise {

// The design's controls by name, as widgets whose objectName is that name.
using ControlMap = std::map<std::string, QWidget*, std::less<>>;

// The widget behind a role key of the field table; nullptr when there is none.
QWidget* control_for(const ControlMap& controls, std::string_view role);

// Creates every control of the design on `window` (frames' children inside
// their frames), at its place, with its text, font, tooltip, items and
// visibility, and links the focusable ones in the design's tab order.
ControlMap build_controls(QWidget& window);

}  // namespace platewise
