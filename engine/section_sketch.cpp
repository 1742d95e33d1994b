#include "section_sketch.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "design_checks.h"
#include "form_access.h"
#include "number_rules.h"
#include "result_texts.h"

namespace platewise {
namespace {

constexpr double kLargestSide = 100000;      // mm; larger sections have no sketch
constexpr double kMostBars = 100;            // bars drawn of one face, at most
constexpr double kMostStirrupLegs = 20;      // legs drawn, at most
constexpr double kLeastRowGap = 25;          // mm, clear between two rows of bars
constexpr double kDimensionSpacing = 0.1;    // of the section's larger side
constexpr double kThinnestPlate = 1.0 / 80;  // of the section's larger side, as drawn

// A value of the trace, 0 where it has none or none that is finite.
double known(const Trace& trace, Q id) {
  const std::optional<double> value = trace.value(id);
  return value && std::isfinite(*value) ? *value : 0;
}

// How many of `count` bars or legs are drawn: its whole part, up to `most`.
int drawn_count(double n, double most) {
  return n >= 1 ? static_cast<int>(std::min(std::floor(n), most)) : 0;
}

// Two rows of bottom bars when the list names 双排; its default row otherwise.
bool two_rows(const CalculateRun& calc) {
  const InputField& list = kInputFields[input_at(role::bar_rows)];
  const int picked = list.item_named(calc.input(input_at(role::bar_rows)));
  return picked >= 0 ? list.items[static_cast<std::size_t>(picked)] == "双排"
                     : list.start_text == "双排";
}

// The plate's width as the result field shows it: rounded down.
double shown_width(double width) { return strict_number(shown_width_text(width)).value_or(width); }

// The texts one after another (appended, which g++ 12 does not mistake for
// an overlapping copy as it may `a + b + c`).
std::string joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

// A plate as drawings name it: "−4×131", its thickness by its width.
std::string plate_text(double width, double t) {
  return joined({"−", number_text(t), "×", number_text(width)});
}

class Sketcher {
 public:
  explicit Sketcher(const DesignTrace& design)
      : design_(design),
        calc_(design.calculate.trace),
        b_(known(calc_, Q::b)),
        h_(known(calc_, Q::h)),
        t_(known(calc_, Q::t)),
        thinnest_(kThinnestPlate * std::max(b_, h_)) {}

  SectionSketch sketch() {
    bottom_plate();
    top_plate();
    side_u_plates();
    sketch_.shapes.push_back(SketchRect{SketchRole::Outline, {0, 0}, {b_, h_}});
    bars_and_stirrup();
    dimensions();
    extend_to_all();
    callouts();
    return std::move(sketch_);
  }

 private:
  void add(SketchShape shape) { sketch_.shapes.push_back(std::move(shape)); }
  // A plate's thickness as drawn: never too thin to show.
  double drawn(double t) const { return std::max(t, thinnest_); }

  // The verdict of a plate `width` wide, when it is wider than the beam.
  std::optional<Verdict> wide(double width, Verdict verdict) const {
    return width > b_ ? std::optional(verdict) : std::nullopt;
  }

  // The selected width: typed after Calculate, else the one Calculate wrote.
  void bottom_plate() {
    const std::optional<RunPart> in_use = width_in_use(design_);
    bottom_width_ = in_use ? known(*design_.trace(*in_use), Q::sel_b) : 0;
    if (bottom_width_ <= 0 || t_ <= 0) return;
    const double left = (b_ - bottom_width_) / 2;
    bottom_plate_ = SketchRect{SketchRole::BottomPlate,
                               {left, -drawn(t_)},
                               {left + bottom_width_, 0},
                               0,
                               wide(bottom_width_, kWideBottomPlate)};
    add(*bottom_plate_);
  }

  void top_plate() {
    if (calc_.decision(Decision::TopNeeded) != true || t_ <= 0) return;
    top_width_ = shown_width(known(calc_, Q::width_t));
    if (top_width_ <= 0) return;
    const double left = (b_ - top_width_) / 2;
    top_plate_ = SketchRect{SketchRole::TopPlate,
                            {left, h_},
                            {left + top_width_, h_ + drawn(t_)},
                            0,
                            wide(top_width_, kWideTopPlate)};
    add(*top_plate_);
  }

  // Up both sides to Lu, and under the soffit and the bottom plate.
  void side_u_plates() {
    if (!calc_.has(Q::bu)) return;  // sized
    u_t_ = known(calc_, Q::tu);
    lu_ = known(calc_, Q::lu);
    if (u_t_ <= 0 || lu_ <= 0) return;
    const double under = bottom_plate_ ? bottom_plate_->low.y : 0, t = drawn(u_t_);
    add(SketchRect{SketchRole::SideUPlate, {-t, under - t}, {0, lu_}});
    add(SketchRect{SketchRole::SideUPlate, {0, under - t}, {b_, under}});
    add(SketchRect{SketchRole::SideUPlate, {b_, under - t}, {b_ + t, lu_}});
  }

  void bar_row(SketchRole role, int count, double d, double y, double edge) {
    for (int i = 0; i < count; ++i) {
      const double x = count == 1 ? b_ / 2 : edge + i * (b_ - 2 * edge) / (count - 1);
      add(SketchCircle{role, {x, y}, d / 2});
    }
  }

  void bars_and_stirrup() {
    const double a = known(calc_, Q::a), d = std::max(known(calc_, Q::db), 0.0);
    const int n = drawn_count(known(calc_, Q::nb), kMostBars);
    const int lower = two_rows(design_.calculate) && n >= 2 ? (n + 1) / 2 : n;
    const double row_pitch = d + std::max(kLeastRowGap, d);
    // The rows' centroid at a.
    const double y_lower = n > 0 ? a - row_pitch * (n - lower) / n : a;
    const double clear = y_lower - d / 2;  // the bottom bars' clear cover
    const double dv = known(calc_, Q::dv);
    if (dv > 0) stirrup(std::max(clear - dv / 2, dv / 2), dv);
    if (d > 0) {
      bar_row(SketchRole::BottomBar, lower, d, y_lower, y_lower);
      bar_row(SketchRole::BottomBar, n - lower, d, y_lower + row_pitch, y_lower);
    }
    const double dt = known(calc_, Q::dt);
    if (dt > 0) {
      const double from_top = clear + dt / 2;
      bar_row(SketchRole::TopBar, drawn_count(known(calc_, Q::nt), kMostBars), dt, h_ - from_top,
              from_top);
    }
  }

  // The stirrup's centre line `inset` within the faces.
  void stirrup(double inset, double dv) {
    if (b_ <= 2 * inset || h_ <= 2 * inset) return;
    add(SketchRect{SketchRole::Stirrup, {inset, inset}, {b_ - inset, h_ - inset}, dv});
    const int legs = drawn_count(known(calc_, Q::nv), kMostStirrupLegs);
    for (int k = 1; k < legs - 1; ++k) {
      const double x = inset + k * (b_ - 2 * inset) / (legs - 1);
      add(SketchLine{SketchRole::Stirrup, {x, inset}, {x, h_ - inset}, dv});
    }
  }

  void horizontal(SketchRole role, double left, double right, double mark_y, double y,
                  std::string text, std::optional<Verdict> overhang = std::nullopt) {
    add(SketchDimension{
        role, {left, y}, {right, y}, {left, mark_y}, {right, mark_y}, std::move(text), overhang});
  }
  void vertical(SketchRole role, double bottom, double top, double mark_x, double x,
                std::string text) {
    if (bottom == top) return;
    add(SketchDimension{
        role, {x, bottom}, {x, top}, {mark_x, bottom}, {mark_x, top}, std::move(text)});
  }

  // Each side's dimensions one spacing apart, the innermost one spacing off the drawing.
  void dimensions() {
    extend_to_all();
    const double u = kDimensionSpacing * std::max(b_, h_);
    sketch_.dimension_spacing = u;
    const SketchPoint low = sketch_.low, high = sketch_.high;
    double below = low.y - u;
    if (bottom_plate_) {
      horizontal(SketchRole::BottomPlate, bottom_plate_->low.x, bottom_plate_->high.x,
                 bottom_plate_->low.y, below, number_text(bottom_width_), bottom_plate_->overhang);
      below -= u;
    }
    horizontal(SketchRole::Outline, 0, b_, 0, below, "b = " + number_text(b_));
    if (top_plate_) {
      horizontal(SketchRole::TopPlate, top_plate_->low.x, top_plate_->high.x, top_plate_->high.y,
                 high.y + u, number_text(top_width_), top_plate_->overhang);
    }
    vertical(SketchRole::Outline, 0, h_, 0, low.x - u, "h = " + number_text(h_));
    const double a = known(calc_, Q::a);
    vertical(SketchRole::BottomBar, std::min(0.0, a), std::max(0.0, a), b_, high.x + u,
             "a = " + number_text(a));
    if (lu_ > 0) {
      vertical(SketchRole::SideUPlate, 0, lu_, b_ + drawn(u_t_), high.x + 2 * u,
               "Lu = " + number_text(lu_));
    }
  }

  // The side U plates' width as the result gives it: the one selected, else the one calculated.
  double u_plate_width() const {
    const double selected = known(calc_, Q::bu_sel);
    return selected > 0 ? selected : known(calc_, Q::bu);
  }

  // Each callout points at the right-hand end of what it names.
  void callouts() {
    // Gathered first and added after: adding while the shapes are read would move them.
    std::vector<SketchCallout> callouts;
    const auto callout = [&callouts](SketchRole role, SketchPoint at, std::string text) {
      callouts.push_back(SketchCallout{role, at, std::move(text)});
    };
    const auto last_of = [this](SketchRole role) -> const SketchCircle* {
      const SketchCircle* last = nullptr;
      for (const SketchShape& shape : sketch_.shapes) {
        const auto* bar = std::get_if<SketchCircle>(&shape);
        if (bar != nullptr && bar->role == role &&
            (last == nullptr || bar->centre.x >= last->centre.x))
          last = bar;
      }
      return last;
    };
    if (top_plate_) {
      callout(SketchRole::TopPlate,
              {top_plate_->high.x, (top_plate_->low.y + top_plate_->high.y) / 2},
              plate_text(top_width_, t_));
    }
    if (const SketchCircle* bar = last_of(SketchRole::TopBar)) {
      callout(SketchRole::TopBar, {bar->centre.x + bar->radius, bar->centre.y},
              joined({number_text(known(calc_, Q::nt)), "Φ", number_text(known(calc_, Q::dt))}));
    }
    for (const SketchShape& shape : sketch_.shapes) {
      const auto* stirrup = std::get_if<SketchRect>(&shape);
      if (stirrup == nullptr || stirrup->role != SketchRole::Stirrup) continue;
      const double legs = known(calc_, Q::nv);
      const std::string legs_text = legs == 2 ? "" : joined({"(", number_text(legs), ")"});
      callout(SketchRole::Stirrup, {stirrup->high.x, (stirrup->low.y + stirrup->high.y) / 2},
              joined({"Φ", number_text(known(calc_, Q::dv)), "@", number_text(known(calc_, Q::sv)),
                      legs_text}));
    }
    if (lu_ > 0) {
      callout(SketchRole::SideUPlate, {b_ + drawn(u_t_) / 2, lu_ / 2},
              joined({number_text(u_t_), "×", number_text(u_plate_width()), "@",
                      number_text(known(calc_, Q::su))}));
    }
    if (const SketchCircle* bar = last_of(SketchRole::BottomBar)) {
      callout(SketchRole::BottomBar, {bar->centre.x + bar->radius, bar->centre.y},
              joined({number_text(known(calc_, Q::nb)), "Φ", number_text(known(calc_, Q::db))}));
    }
    if (bottom_plate_) {
      callout(SketchRole::BottomPlate,
              {bottom_plate_->high.x, (bottom_plate_->low.y + bottom_plate_->high.y) / 2},
              plate_text(bottom_width_, t_));
    }
    for (SketchCallout& c : callouts) add(std::move(c));
  }

  void extend(SketchPoint p, double margin = 0) {
    sketch_.low = {std::min(sketch_.low.x, p.x - margin), std::min(sketch_.low.y, p.y - margin)};
    sketch_.high = {std::max(sketch_.high.x, p.x + margin), std::max(sketch_.high.y, p.y + margin)};
  }

  void extend_to_all() {
    sketch_.low = sketch_.high = {0, 0};
    for (const SketchShape& shape : sketch_.shapes) {
      std::visit(
          [this](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, SketchRect>) {
              extend(s.low, s.line_width / 2);
              extend(s.high, s.line_width / 2);
            } else if constexpr (std::is_same_v<S, SketchCircle>) {
              extend(s.centre, s.radius);
            } else if constexpr (std::is_same_v<S, SketchLine>) {
              extend(s.from, s.line_width / 2);
              extend(s.to, s.line_width / 2);
            } else if constexpr (std::is_same_v<S, SketchDimension>) {
              extend(s.from);
              extend(s.to);
            }  // a callout's text stands in a column beside the drawing
          },
          shape);
    }
  }

  const DesignTrace& design_;
  const Trace& calc_;
  const double b_, h_, t_, thinnest_;
  double bottom_width_ = 0, top_width_ = 0, u_t_ = 0, lu_ = 0;
  std::optional<SketchRect> bottom_plate_, top_plate_;
  SectionSketch sketch_;
};

}  // namespace

std::optional<SectionSketch> section_sketch(const DesignTrace& design) {
  const Trace& calc = design.calculate.trace;
  if (!design.calculated || !calc.decision(Decision::BottomNeeded)) return std::nullopt;
  const double b = known(calc, Q::b), h = known(calc, Q::h);
  if (!(b > 0 && h > 0 && b <= kLargestSide && h <= kLargestSide)) return std::nullopt;
  return Sketcher(design).sketch();
}

}  // namespace platewise
