#pragma once
// The report's typefaces: a Latin and Greek serif for symbols, digits and
// units first, then Song faces, which Qt falls back on for every character
// the serif lacks (the Chinese text and its full-width punctuation). So `l`
// and `1` differ, and σ stands beside its subscript in the same face.

#include <QFont>
#include <QString>
#include <QStringList>

namespace platewise {

// Liberation Serif (Debian's fonts-liberation2), else Times New Roman; then
// SimSun on Windows, AR PL UMing on Linux, Songti on macOS, any Chinese face.
const QStringList& report_families();

// The report's face at `points`.
QFont report_font(double points, bool bold = false);

// The same families as a CSS font-family value, ending in `serif`.
QString css_font_families();

}  // namespace platewise
