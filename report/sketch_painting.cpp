#include "sketch_painting.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <vector>

#include "report_parts.h"

namespace platewise {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72;
// The largest drawing of the section itself on paper, mm.
constexpr double kMostWidth = 75, kMostHeight = 90;
// On paper: texts in points, lines and gaps in millimetres.
constexpr double kTextPoints = 9, kLeastTextPoints = 5;
constexpr double kThinLine = 0.18, kOutline = 0.35, kLeastBarRadius = 0.3;
constexpr double kTick = 1.2;        // half the length of a dimension line's end tick
constexpr double kMarkGap = 0.8;     // between a point measured and its extension line
constexpr double kOvershoot = 1.0;   // of an extension line beyond the dimension line
constexpr double kTextGap = 0.6;     // between a dimension line and its text
constexpr double kCalloutGap = 3.0;  // between the drawing's texts and the callouts' column
constexpr double kShoulder = 2.0;    // of a leader, level, before its text
constexpr double kDot = 0.4;         // the radius of the dot a leader starts from
constexpr double kCalloutEnd = 1.5;  // after the widest callout, to the sketch's edge

const QColor kInk(Qt::black);
const QColor kPlateFill(0x50, 0x50, 0x50);
const QColor kUPlateFill(0xa8, 0xa8, 0xa8);

// Latin serif first: digits and letters; the Song faces for anything Chinese.
const QStringList& sketch_families() {
  static const QStringList kFamilies = {
      "Liberation Serif", "DejaVu Serif",      "Times New Roman",  "SimSun", "宋体",
      "AR PL UMing CN",   "WenQuanYi Zen Hei", "Noto Serif CJK SC"};
  return kFamilies;
}

QFont sketch_font(double points) {
  QFont font;
  font.setFamilies(sketch_families());
  font.setPointSizeF(points);
  return font;
}

// Room on each side of the section for the outermost dimension texts, mm.
double text_margin() { return kTextPoints / kPointsPerInch * kMmPerInch * 1.3 + kTextGap; }

std::vector<const SketchCallout*> callouts_of(const SectionSketch& sketch) {
  std::vector<const SketchCallout*> callouts;
  for (const SketchShape& shape : sketch.shapes) {
    if (const auto* callout = std::get_if<SketchCallout>(&shape)) callouts.push_back(callout);
  }
  return callouts;
}

// The width the callouts' column takes on paper, mm: its widest text and the
// gap before it; 0 without callouts.
double callout_column(const SectionSketch& sketch) {
  constexpr double kMeasuringDpi = 600;
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(static_cast<int>(std::lround(kMeasuringDpi / kMmPerInch * 1000)));
  device.setDotsPerMeterY(device.dotsPerMeterX());
  const QFontMetricsF metrics(sketch_font(kTextPoints), &device);
  double widest = 0;
  for (const SketchCallout* callout : callouts_of(sketch)) {
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(callout->text)));
  }
  // A little room after the widest: readers and devices measure text a hair differently.
  return widest > 0 ? widest / kMeasuringDpi * kMmPerInch + kCalloutGap + kShoulder + kCalloutEnd
                    : 0;
}

QSizeF extent(const SectionSketch& sketch) {
  return {sketch.high.x - sketch.low.x, sketch.high.y - sketch.low.y};
}

// From the sketch's millimetres to the device's pixels, y turned upwards.
class Mapping {
 public:
  Mapping(const SectionSketch& sketch, const QRectF& target, double dpi) : dpi_(dpi) {
    const double margin = px(text_margin());
    const QSizeF size = extent(sketch);
    scale_ = std::min((target.width() - 2 * margin) / size.width(),
                      (target.height() - 2 * margin) / size.height());
    const QPointF centre = target.center();
    origin_ = {centre.x() - (sketch.low.x + sketch.high.x) / 2 * scale_,
               centre.y() + (sketch.low.y + sketch.high.y) / 2 * scale_};
  }
  bool usable() const { return std::isfinite(scale_) && scale_ > 0; }
  QPointF operator()(SketchPoint p) const {
    return {origin_.x() + p.x * scale_, origin_.y() - p.y * scale_};
  }
  double length(double mm) const { return mm * scale_; }  // of the section
  double px(double paper_mm) const { return paper_mm / kMmPerInch * dpi_; }
  double points_of(double pixels) const { return pixels / dpi_ * kPointsPerInch; }

 private:
  double dpi_, scale_ = 0;
  QPointF origin_;
};

class SketchPainter {
 public:
  SketchPainter(QPainter& painter, const Mapping& map, double spacing) : p_(painter), map_(map) {
    // Texts no taller than half the room between two dimension lines.
    const double points = std::min(kTextPoints, map.points_of(map.length(spacing)) / 2);
    font_ = sketch_font(std::max(points, kLeastTextPoints));
  }

  void operator()(const SketchRect& s) {
    const QRectF rect = QRectF(map_(s.low), map_(s.high)).normalized();
    switch (s.role) {
      case SketchRole::Stirrup: {
        const double corner = map_.length(1.5 * s.line_width);
        p_.setPen(bar_pen(s.line_width));
        p_.setBrush(Qt::NoBrush);
        p_.drawRoundedRect(rect, corner, corner);
        return;
      }
      case SketchRole::BottomPlate:
      case SketchRole::TopPlate:
        p_.setPen(thin_pen(s.overhang ? verdict_colour(*s.overhang) : kInk));
        p_.setBrush(s.overhang ? verdict_colour(*s.overhang) : kPlateFill);
        break;
      case SketchRole::SideUPlate:
        p_.setPen(thin_pen(kInk));
        p_.setBrush(kUPlateFill);
        break;
      default:
        p_.setPen(QPen(kInk, map_.px(kOutline)));
        p_.setBrush(Qt::NoBrush);
        break;
    }
    p_.drawRect(rect);
  }

  void operator()(const SketchCircle& s) {
    const double r = std::max(map_.length(s.radius), map_.px(kLeastBarRadius));
    p_.setPen(Qt::NoPen);
    p_.setBrush(kInk);
    p_.drawEllipse(map_(s.centre), r, r);
  }

  void operator()(const SketchLine& s) {
    p_.setPen(s.line_width > 0 ? bar_pen(s.line_width) : thin_pen(kInk));
    p_.drawLine(map_(s.from), map_(s.to));
  }

  void operator()(const SketchCallout&) {}  // all together, by callouts()

  // The callouts' texts in a column beyond `right`, the drawing's right
  // edge: top to bottom in the order of the points they name and never
  // closer than a line apart, each with a leader from a dot on its point.
  void callouts(const std::vector<const SketchCallout*>& callouts, double right) {
    if (callouts.empty()) return;
    const QFontMetricsF metrics(font_, p_.device());
    const double line = metrics.height() * 1.15;
    const double x = right + map_.px(kCalloutGap + kShoulder);
    std::vector<double> ys;
    for (const SketchCallout* callout : callouts) ys.push_back(map_(callout->at).y());
    for (std::size_t i = 1; i < ys.size(); ++i) ys[i] = std::max(ys[i], ys[i - 1] + line);
    p_.setFont(font_);
    for (std::size_t i = 0; i < callouts.size(); ++i) {
      const QPointF at = map_(callouts[i]->at);
      const QPointF shoulder(x - map_.px(kShoulder), ys[i]);
      p_.setPen(thin_pen(kInk));
      p_.setBrush(kInk);
      p_.drawEllipse(at, map_.px(kDot), map_.px(kDot));
      p_.drawLine(at, shoulder);
      p_.drawLine(shoulder, QPointF(x - map_.px(kTextGap), ys[i]));
      const QString text = QString::fromStdString(callouts[i]->text);
      p_.drawText(QRectF(x, ys[i] - line / 2, metrics.horizontalAdvance(text) + 1, line),
                  Qt::AlignLeft | Qt::AlignVCenter, text);
    }
  }

  void operator()(const SketchDimension& s) {
    const QColor colour = s.overhang ? verdict_colour(*s.overhang) : kInk;
    const QPointF from = map_(s.from), to = map_(s.to);
    const QPointF along = unit(to - from);
    QPointF outward = unit(from - map_(s.from_mark));
    if (outward.isNull()) outward = {along.y(), -along.x()};
    p_.setPen(thin_pen(colour));
    p_.drawLine(from, to);
    for (const auto& [mark, end] : {std::pair{s.from_mark, from}, std::pair{s.to_mark, to}}) {
      const QPointF start = map_(mark);
      if (QLineF(start, end).length() > map_.px(kMarkGap)) {
        p_.drawLine(start + outward * map_.px(kMarkGap), end + outward * map_.px(kOvershoot));
      }
    }
    // 45° ticks at the ends, heavier than the lines.
    const QPointF tick =
        (along + QPointF(along.y(), -along.x())) * (map_.px(kTick) / std::sqrt(2.0));
    p_.setPen(QPen(colour, map_.px(kOutline)));
    for (const QPointF& end : {from, to}) p_.drawLine(end - tick, end + tick);
    text(QString::fromStdString(s.text), QLineF(from, to), outward, colour);
  }

 private:
  static QPointF unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF();
  }
  QPen thin_pen(const QColor& colour) const { return QPen(colour, map_.px(kThinLine)); }
  // A bar drawn to scale, never thinner than the outline.
  QPen bar_pen(double diameter) const {
    QPen pen(kInk, std::max(map_.length(diameter), map_.px(kOutline)));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
  }

  // `text` beside the middle of a dimension line, on its `outward` side,
  // reading along the line from below or from the right; beyond its end
  // when the line is too short for it.
  void text(const QString& text, const QLineF& line, QPointF outward, const QColor& colour) {
    const QFontMetricsF metrics(font_, p_.device());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    const QPointF along = unit(line.p2() - line.p1());
    const double gap = map_.px(kTextGap);
    const QPointF at = size.width() + 2 * gap < line.length()
                           ? line.center()
                           : line.p2() + along * (size.width() / 2 + 2 * gap);
    const QPointF centre = at + outward * (gap + size.height() / 2);
    p_.save();
    p_.setFont(font_);
    p_.setPen(colour);
    p_.translate(centre);
    if (std::abs(along.y()) > std::abs(along.x())) p_.rotate(-90);
    p_.drawText(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), Qt::AlignCenter,
                text);
    p_.restore();
  }

  QPainter& p_;
  const Mapping& map_;
  QFont font_;
};

}  // namespace

QSizeF sketch_paper_size(const SectionSketch& sketch) {
  const QSizeF size = extent(sketch);
  const double scale = std::min(kMostWidth / size.width(), kMostHeight / size.height());
  const double margin = 2 * text_margin();
  return {size.width() * scale + margin + callout_column(sketch), size.height() * scale + margin};
}

void paint_sketch(QPainter& painter, const SectionSketch& sketch, const QRectF& target) {
  if (painter.device() == nullptr) return;
  painter.save();
  // Drawn in the device's pixels, so that lines and texts keep their size on paper.
  const QRectF on_device = painter.worldTransform().mapRect(target);
  painter.resetTransform();
  const double dpi = painter.device()->logicalDpiY();
  // The drawing on the left, the callouts' column on the right.
  const double column = callout_column(sketch);
  const QRectF drawing = on_device.adjusted(0, 0, -column / kMmPerInch * dpi, 0);
  const Mapping map(sketch, drawing, dpi);
  if (map.usable()) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    SketchPainter paint(painter, map, sketch.dimension_spacing);
    for (const SketchShape& shape : sketch.shapes) std::visit(paint, shape);
    paint.callouts(callouts_of(sketch), map(sketch.high).x() + map.px(text_margin()));
  }
  painter.restore();
}

QByteArray sketch_svg(const SectionSketch& sketch) {
  constexpr int kSvgDpi = 96;
  const QSizeF size = sketch_paper_size(sketch) / kMmPerInch * kSvgDpi;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kSvgDpi);
  svg.setSize(size.toSize());
  svg.setViewBox(QRectF(QPointF(), size.toSize()));
  svg.setTitle(QStringLiteral("截面简图"));
  svg.setDescription(QString());  // not Qt's "Generated with Qt"
  QPainter painter;
  if (!painter.begin(&svg)) return {};
  paint_sketch(painter, sketch, QRectF(QPointF(), size.toSize()));
  painter.end();
  QByteArray document = buffer.data();
  const qsizetype start = document.indexOf("<svg");
  if (start < 0) return {};
  // The generator names the first face only; a reader may lack it.
  const QString first = sketch_families().front();
  document.replace("font-family=\"" + first.toUtf8() + "\"",
                   "font-family=\"" + sketch_families().join(", ").toUtf8() + ", serif\"");
  return document.mid(start);
}

QImage sketch_image(const SectionSketch& sketch, double dpi) {
  dpi = std::clamp(dpi, 36.0, 1200.0);
  QImage image((sketch_paper_size(sketch) / kMmPerInch * dpi).toSize(), QImage::Format_RGB32);
  const int dots_per_metre = static_cast<int>(std::lround(dpi / kMmPerInch * 1000));
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  image.fill(Qt::white);
  QPainter painter(&image);
  paint_sketch(painter, sketch, image.rect());
  return image;
}

QByteArray sketch_png(const SectionSketch& sketch, double dpi) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  sketch_image(sketch, dpi).save(&buffer, "PNG");
  return buffer.data();
}

}  // namespace platewise
