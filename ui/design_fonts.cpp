#include "design_fonts.h"

namespace platewise {

QFont design_font(window_design::Font font) {
  QFont qfont(QStringLiteral("宋体"));
  // Hinting the Song face's Chinese glyphs took a fifth of the start-up, and
  // at these sizes they look the same without it.
  qfont.setHintingPreference(QFont::PreferNoHinting);
  switch (font) {
    case window_design::Font::Normal:
      qfont.setPointSize(9);
      break;
    case window_design::Font::Heading:
      qfont.setPointSize(12);
      qfont.setBold(true);
      break;
    case window_design::Font::Window:
      qfont.setPointSizeF(10.5);
      break;
  }
  return qfont;
}

}  // namespace platewise
