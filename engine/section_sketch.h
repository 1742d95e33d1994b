#pragma once
// The section sketch (截面简图) of a Calculate run: the beam's cross-section
// to scale, in millimetres, as a few shapes for the report to paint. The
// origin is the soffit's left corner; x runs to the right, y upwards.
//
// Where the bars go, since the inputs give only their count and diameter
// and the distance a from the soffit to their centroid:
// - one row of bottom bars lies at a; two rows lie one bar diameter plus
//   max(25 mm, d) apart, the lower holding the larger half, placed so that
//   their centroid is at a;
// - every corner bar keeps from the side faces the distance its lowest row
//   keeps from the soffit, and the bars of a row are spread evenly between
//   the corner bars (one bar stands in the middle);
// - the top bars keep the bottom bars' clear cover from the top face and
//   the side faces; the stirrup wraps them all, its inner face touching the
//   corner bars, and its legs beyond two stand evenly between the outer ones.
// Plates thinner than 1/80 of the section's larger side are drawn that
// thick, so that they show; their dimension texts give their thickness.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "design_trace.h"
#include "verdict.h"

namespace platewise {

struct SketchPoint {
  double x = 0, y = 0;  // mm

  bool operator==(const SketchPoint&) const = default;
};

// What a shape stands for, which decides how it is painted.
enum class SketchRole {
  Outline,    // the concrete section b × h
  Stirrup,    // drawn to scale: its line is as wide as the stirrup's diameter
  BottomBar,  // a bar's section
  TopBar,
  BottomPlate,  // the bonded plate under the soffit
  TopPlate,     // the bonded plate on the top face
  SideUPlate,   // the side U plates, wrapping the soffit up to the height Lu
};

struct SketchRect {
  SketchRole role;
  SketchPoint low, high;  // the lower-left and upper-right corners
  double line_width = 0;  // the stirrup's diameter; 0: a thin line
  // A plate wider than the beam: the verdict its width check gives it,
  // painted in that verdict's colour.
  std::optional<Verdict> overhang = std::nullopt;

  bool operator==(const SketchRect&) const = default;
};

struct SketchCircle {
  SketchRole role;
  SketchPoint centre;
  double radius = 0;

  bool operator==(const SketchCircle&) const = default;
};

struct SketchLine {
  SketchRole role;
  SketchPoint from, to;
  double line_width = 0;  // as for SketchRect

  bool operator==(const SketchLine&) const = default;
};

// A dimension of what `role` stands for: the dimension line from `from` to
// `to`, and extension lines from the points measured out to it. The text
// goes on the side of the line away from the points measured.
struct SketchDimension {
  SketchRole role;
  SketchPoint from, to;            // the dimension line
  SketchPoint from_mark, to_mark;  // the points measured
  std::string text;                // "b = 250"
  std::optional<Verdict> overhang =
      std::nullopt;  // the width of a plate wider than the beam, as for SketchRect

  bool operator==(const SketchDimension&) const = default;
};

// A callout: a leader from `at`, a point of what `role` stands for, to the
// text naming its size, as drawings give them: "3Φ25", "Φ8@100", "−4×131",
// "3×24@100". The texts stand in a column beside the section,
// top to bottom in the order of their points; where is the painter's.
struct SketchCallout {
  SketchRole role;
  SketchPoint at;
  std::string text;

  bool operator==(const SketchCallout&) const = default;
};

using SketchShape =
    std::variant<SketchRect, SketchCircle, SketchLine, SketchDimension, SketchCallout>;

struct SectionSketch {
  std::vector<SketchShape>
      shapes;  // in painting order: plates, concrete, stirrup, bars, dimensions, callouts
  SketchPoint low, high;         // the extent of all shapes, line widths included
  double dimension_spacing = 0;  // between the dimension lines of one side, mm
};

// The sketch of the last Calculate run once it reached the plate sizing,
// with the bottom plate at its selected width (the one the crack check
// counts) and the top plate at its shown width; the side U plates when
// they were sized. Nothing before that, or for a section whose width or
// height is not a positive number up to 100 m.
std::optional<SectionSketch> section_sketch(const DesignTrace& design);

}  // namespace platewise
