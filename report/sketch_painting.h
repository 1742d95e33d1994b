#pragma once
// The section sketch (截面简图) painted: on any painter (PDF, printer, the
// panel), as SVG for HTML and as a PNG image for the editable formats, all
// by the same painting. Lines and texts keep their size on paper whatever
// the scale of the section: thin lines, 9 pt dimension texts in a Latin
// serif face beside the report's Song face. Needs a QGuiApplication.

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>

#include "section_sketch.h"

class QPainter;

namespace platewise {

// The size the sketch takes on paper, in millimetres: the section scaled to
// fit 75 × 90 mm, with room around it for the dimension texts.
QSizeF sketch_paper_size(const SectionSketch& sketch);

// Paints the sketch into `target`, given in the painter's coordinates,
// scaled to fit and centred. The painter is left as it was found.
void paint_sketch(QPainter& painter, const SectionSketch& sketch, const QRectF& target);

// An SVG document of sketch_paper_size(), UTF-8, starting at "<svg" (no XML
// declaration), so that it can stand inline in HTML as well as in a file.
QByteArray sketch_svg(const SectionSketch& sketch);

// The sketch on white, sketch_paper_size() large at `dpi` (kept within 36 to 1200),
// as an image and as PNG bytes.
QImage sketch_image(const SectionSketch& sketch, double dpi);
QByteArray sketch_png(const SectionSketch& sketch, double dpi);

}  // namespace platewise
