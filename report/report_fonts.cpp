#include "report_fonts.h"

#include <QFontDatabase>

namespace platewise {

const QStringList& report_families() {
  static const QStringList kFamilies = {
      "Liberation Serif", "Times New Roman",   "SimSun",           "宋体", "AR PL UMing CN",
      "Songti SC",        "Noto Serif CJK SC", "WenQuanYi Zen Hei"};
  return kFamilies;
}

QFont report_font(double points, bool bold) {
  // Qt looks every family of a font up again for each run of text it lays
  // out or paints; the families this machine lacks would only be skipped.
  static const QStringList kInstalled = [] {
    QStringList installed;
    for (const QString& family : report_families()) {
      if (QFontDatabase::hasFamily(family)) installed << family;
    }
    return installed.isEmpty() ? report_families() : installed;
  }();
  QFont font;
  font.setFamilies(kInstalled);
  font.setPointSizeF(points);
  font.setBold(bold);
  // Outlines as drawn, whatever the screen: the pages are measured once for every device.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QString css_font_families() {
  QString css;
  for (const QString& family : report_families()) css += "\"" + family + "\", ";
  return css + "serif";
}

}  // namespace platewise
