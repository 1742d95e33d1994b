// The section sketch painted: a plate wider than the beam is red and nothing
// else is; the SVG carries every dimension text; a painter already scaled
// and moved gets the sketch inside its target and is left as it was.

#include "sketch_painting.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegularExpression>

#include "form_handlers.h"
#include "headless_form.h"

namespace platewise {
namespace {

// The sketch after Calculate with `typed_width` typed as the selected width, if any.
SectionSketch sketch_of(const std::string& typed_width = "") {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers(state, form);
  handlers.calculate();
  if (!typed_width.empty()) {
    form.type("selected_width", typed_width);
    handlers.selected_width_edited();
  }
  return section_sketch(handlers.trace()).value();
}

// Pixels of `image` inside `area` (or outside it) that are red, or dark.
int count(const QImage& image, const QRect& area, bool inside, bool red) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (area.contains(x, y) != inside) continue;
      const QColor c = image.pixelColor(x, y);
      n += red ? c.red() > 140 && c.green() < 80 && c.blue() < 80 : c.lightness() < 128;
    }
  }
  return n;
}

TEST(SketchPaintingTest, OnlyAPlateWiderThanTheBeamIsRed) {
  const QImage fitting = sketch_image(sketch_of(), 100);
  const QImage overhanging = sketch_image(sketch_of("331"), 100);
  EXPECT_EQ(count(fitting, fitting.rect(), true, true), 0);
  EXPECT_GT(count(overhanging, overhanging.rect(), true, true), 100);
}

TEST(SketchPaintingTest, SvgStandsInlineWithEveryDimensionAndCalloutText) {
  const QString svg = QString::fromUtf8(sketch_svg(sketch_of()));
  EXPECT_TRUE(svg.startsWith("<svg width=\"")) << svg.left(80).toStdString();
  QStringList texts;
  static const QRegularExpression kText(">([^<>]+)</text>");
  for (const QRegularExpressionMatch& m : kText.globalMatch(svg)) texts << m.captured(1).trimmed();
  EXPECT_EQ(texts.join(" | ").toStdString(),
            "131 | b = 250 | 87 | h = 600 | a = 35 | Lu = 150 | "
            "−4×87 | 2Φ25 | Φ8@100 | 3×24@100 | 3Φ25 | −4×131");
}

TEST(SketchPaintingTest, ScaledPainterDrawsInsideItsTargetAndIsLeftAsFound) {
  QImage image(400, 400, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(100, 50);
  painter.scale(0.5, 0.5);
  const QTransform before = painter.worldTransform();
  paint_sketch(painter, sketch_of(), QRectF(0, 0, 400, 600));  // on the image: (100, 50) 200 × 300
  EXPECT_EQ(painter.worldTransform(), before);
  painter.end();
  const QRect target(100, 50, 200, 300);
  EXPECT_GT(count(image, target, true, false), 500);
  EXPECT_EQ(count(image, target, false, false), 0);
}

}  // namespace
}  // namespace platewise
