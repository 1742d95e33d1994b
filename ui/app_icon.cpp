#include "app_icon.h"

// The resources live in this static library; nothing references them by
// symbol, so they must be registered by hand. Q_INIT_RESOURCE needs the
// global namespace.
static void register_platewise_resources() { Q_INIT_RESOURCE(platewise); }

namespace platewise {

QIcon app_icon() {
  register_platewise_resources();
  return QIcon(QStringLiteral(":/icons/platewise.xpm"));
}

}  // namespace platewise
