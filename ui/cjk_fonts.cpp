#include "cjk_fonts.h"

#include <QFont>
#include <QStringList>

namespace platewise {

void register_cjk_font_substitutes() {
  const QStringList substitutes = {
      "SimSun", "NSimSun", "AR PL UMing CN", "WenQuanYi Zen Hei", "Noto Serif CJK SC",
  };
  QFont::insertSubstitutions(QStringLiteral("宋体"), substitutes);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), substitutes.mid(1));
}

}  // namespace platewise
