#pragma once
// What the program does as it starts, short of running the event loop.

#include <QString>
#include <memory>

#include "main_window.h"

namespace platewise {

// Opens the Platewise window, centred on the screen with the focus on its
// Calculate button, with the beam file `file` open if one is named.
// A QApplication must exist.
std::unique_ptr<MainWindow> start_platewise(const QString& file = {});

}  // namespace platewise
