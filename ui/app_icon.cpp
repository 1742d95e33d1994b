#include "app_icon.h"

namespace platewise {

QIcon app_icon() {
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/platewise-32.png"));
  icon.addFile(QStringLiteral(":/icons/platewise-64.png"));
  return icon;
}

}  // namespace platewise
