#pragma once
// The program's own icon: a beam cross-section with a steel plate bonded under it.

#include <QIcon>

namespace platewise {

QIcon app_icon();

}  // namespace platewise
