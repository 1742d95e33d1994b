#include "cjk_fonts.h"

#include <QFont>
#include <QStringList>

namespace platewise {

void register_cjk_font_substitutes() {
  // Song faces first, in the order Windows, macOS, Linux; then any Chinese face.
  const QStringList substitutes = {"SimSun",           "NSimSun",        "Songti SC",
                                   "STSong",           "AR PL UMing CN", "WenQuanYi Zen Hei",
                                   "Noto Serif CJK SC"};

  QFont::insertSubstitutions(QStringLiteral("宋体"), substitutes);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), substitutes.mid(1));
}

}  // namespace platewise
