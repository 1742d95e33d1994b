// The section sketch of a Calculate run, shape by shape: the default beam
// whole, and for other beams the shapes of the roles that their inputs move.

#include "section_sketch.h"

#include <gtest/gtest.h>

#include <array>

#include "engine_fixture.h"
#include "number_rules.h"

namespace platewise::testing {
namespace {

// The roles in the order SketchRole declares them.
std::string role_name(SketchRole role) {
  static const std::array<const char*, 7> kNames = {
      "Outline", "Stirrup", "BottomBar", "TopBar", "BottomPlate", "TopPlate", "SideUPlate"};
  return kNames.at(static_cast<std::size_t>(role));
}

std::string point(SketchPoint p) { return "(" + number_text(p.x) + ", " + number_text(p.y) + ")"; }
std::string width(double w) { return w > 0 ? " w " + number_text(w) : ""; }
std::string overhang(std::optional<Verdict> o) {
  return o ? " overhang " + std::string(verdict_word(*o)) : "";
}

// "BottomBar circle (35, 35) r 12.5"
std::string line_of(const SketchShape& shape) {
  struct {
    std::string operator()(const SketchRect& s) {
      return role_name(s.role) + " rect " + point(s.low) + " " + point(s.high) +
             width(s.line_width) + overhang(s.overhang);
    }
    std::string operator()(const SketchCircle& s) {
      return role_name(s.role) + " circle " + point(s.centre) + " r " + number_text(s.radius);
    }
    std::string operator()(const SketchLine& s) {
      return role_name(s.role) + " line " + point(s.from) + " " + point(s.to) + width(s.line_width);
    }
    std::string operator()(const SketchDimension& s) {
      return role_name(s.role) + " dim " + point(s.from) + " " + point(s.to) + " from " +
             point(s.from_mark) + " " + point(s.to_mark) + " “" + s.text + "”" +
             overhang(s.overhang);
    }
    std::string operator()(const SketchCallout& s) {
      return role_name(s.role) + " callout " + point(s.at) + " “" + s.text + "”";
    }
  } describe;
  return std::visit(describe, shape);
}

// The shapes of the roles named, one line each; all of them, after the extent, for "".
std::string shapes_of(const SectionSketch& sketch, const std::string& roles) {
  std::string text = roles.empty() ? "extent " + point(sketch.low) + " " + point(sketch.high) +
                                         " spacing " + number_text(sketch.dimension_spacing) + "\n"
                                   : "";
  for (const SketchShape& shape : sketch.shapes) {
    const std::string line = line_of(shape);
    if (roles.empty() || roles.find(line.substr(0, line.find(' ')) + " ") != std::string::npos)
      text += line + "\n";
  }
  return text;
}

struct SketchCase {
  const char* name;
  Texts inputs;
  std::string typed_width;  // the selected width typed after Calculate; empty: none
  std::string roles;        // "BottomBar Stirrup "; empty: every shape
  std::string shapes;
};

void PrintTo(const SketchCase& c, std::ostream* out) { *out << c.name; }

class SectionSketchTest : public ::testing::TestWithParam<SketchCase> {};

TEST_P(SectionSketchTest, ShapesOfTheRolesTheInputsMove) {
  const SketchCase& c = GetParam();
  Engine engine;
  engine.enter(c.inputs);
  ASSERT_EQ(engine.calculate(), "");
  if (!c.typed_width.empty()) {
    engine.enter({{"selected_width", c.typed_width}});
    ASSERT_EQ(engine.run(&FormHandlers::selected_width_edited), "");
  }
  const std::optional<SectionSketch> sketch = section_sketch(engine.handlers.trace());
  ASSERT_TRUE(sketch.has_value());
  EXPECT_EQ(shapes_of(*sketch, c.roles), c.shapes);
}

const std::string kPlates = "BottomPlate TopPlate ";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Beams, SectionSketchTest, ::testing::Values(
    SketchCase{"DefaultBeam", {}, "", "",
               "extent (-67.5, -135) (377.5, 667.5) spacing 60\n"
               "BottomPlate rect (59.5, -7.5) (190.5, 0)\n"
               "TopPlate rect (81.5, 600) (168.5, 607.5)\n"
               "SideUPlate rect (-7.5, -15) (0, 150)\n"
               "SideUPlate rect (0, -15) (250, -7.5)\n"
               "SideUPlate rect (250, -15) (257.5, 150)\n"
               "Outline rect (0, 0) (250, 600)\n"
               "Stirrup rect (18.5, 18.5) (231.5, 581.5) w 8\n"
               "BottomBar circle (35, 35) r 12.5\n"
               "BottomBar circle (125, 35) r 12.5\n"
               "BottomBar circle (215, 35) r 12.5\n"
               "TopBar circle (35, 565) r 12.5\n"
               "TopBar circle (215, 565) r 12.5\n"
               "BottomPlate dim (59.5, -75) (190.5, -75) from (59.5, -7.5) (190.5, -7.5) “131”\n"
               "Outline dim (0, -135) (250, -135) from (0, 0) (250, 0) “b = 250”\n"
               "TopPlate dim (81.5, 667.5) (168.5, 667.5) from (81.5, 607.5) (168.5, 607.5) “87”\n"
               "Outline dim (-67.5, 0) (-67.5, 600) from (0, 0) (0, 600) “h = 600”\n"
               "BottomBar dim (317.5, 0) (317.5, 35) from (250, 0) (250, 35) “a = 35”\n"
               "SideUPlate dim (377.5, 0) (377.5, 150) from (257.5, 0) (257.5, 150) “Lu = 150”\n"
               // Each callout at the right-hand end of what it names, top to bottom.
               "TopPlate callout (168.5, 603.75) “−4×87”\n"
               "TopBar callout (227.5, 565) “2Φ25”\n"
               "Stirrup callout (231.5, 300) “Φ8@100”\n"
               "SideUPlate callout (253.75, 75) “3×24@100”\n"
               "BottomBar callout (227.5, 35) “3Φ25”\n"
               "BottomPlate callout (190.5, -3.75) “−4×131”\n"},
    // Their centroid at a: (3 × 42 + 2 × 87) / 5 = 60. Four legs need no U plates.
    SketchCase{"TwoRowsOfBarsTheLowerHoldingMore",
               {{"bar_rows", "双排"}, {"cover", "60"}, {"bottom_bar_count", "5"},
                {"bottom_bar_diameter", "20"}, {"stirrup_legs", "4"}},
               "", "BottomBar Stirrup ",
               "Stirrup rect (28, 28) (222, 572) w 8\n"
               "Stirrup line (92.6666666666667, 28) (92.6666666666667, 572) w 8\n"
               "Stirrup line (157.333333333333, 28) (157.333333333333, 572) w 8\n"
               "BottomBar circle (42, 42) r 10\n"
               "BottomBar circle (125, 42) r 10\n"
               "BottomBar circle (208, 42) r 10\n"
               "BottomBar circle (42, 87) r 10\n"
               "BottomBar circle (208, 87) r 10\n"
               "BottomBar dim (310, 0) (310, 60) from (250, 0) (250, 60) “a = 60”\n"
               "Stirrup callout (222, 300) “Φ8@100(4)”\n"
               "BottomBar callout (218, 87) “5Φ20”\n"},
    SketchCase{"NoPlateNeeded", {{"bottom_area_req", "10"}, {"top_area_req", "5"}}, "",
               kPlates + "Outline ",
               "Outline rect (0, 0) (250, 600)\n"
               "Outline dim (0, -67.5) (250, -67.5) from (0, 0) (250, 0) “b = 250”\n"
               "Outline dim (-67.5, 0) (-67.5, 600) from (0, 0) (0, 600) “h = 600”\n"},
    SketchCase{"TypedBottomPlateWiderThanTheBeamOverhangs", {}, "331", kPlates,
               "BottomPlate rect (-40.5, -7.5) (290.5, 0) overhang 不满足\n"
               "TopPlate rect (81.5, 600) (168.5, 607.5)\n"
               "BottomPlate dim (-40.5, -75) (290.5, -75) from (-40.5, -7.5) (290.5, -7.5) “331” overhang 不满足\n"
               "TopPlate dim (81.5, 667.5) (168.5, 667.5) from (81.5, 607.5) (168.5, 607.5) “87”\n"
               "TopPlate callout (168.5, 603.75) “−4×87”\n"
               "BottomPlate callout (290.5, -3.75) “−4×331”\n"},
    SketchCase{"TopPlateAsWideAsTheBeamDoesNotOverhang",
               {{"top_area_req", "17.62"}, {"plate_thickness", "5"}}, "", "TopPlate ",
               "TopPlate rect (0, 600) (250, 607.5)\n"
               "TopPlate dim (0, 667.5) (250, 667.5) from (0, 607.5) (250, 607.5) “250”\n"
               "TopPlate callout (250, 603.75) “−5×250”\n"},
    SketchCase{"TopPlateWiderThanTheBeamIsANote", {{"top_area_req", "18"}, {"plate_thickness", "5"}}, "", "TopPlate ",
               "TopPlate rect (-6, 600) (256, 607.5) overhang 注意\n"
               "TopPlate dim (-6, 667.5) (256, 667.5) from (-6, 607.5) (256, 607.5) “262” overhang 注意\n"
               "TopPlate callout (256, 603.75) “−5×262”\n"},
    SketchCase{"SideUPlatesAsHighAsTheLimit", {{"u_plate_spacing", "300"}}, "", "SideUPlate ",
               "SideUPlate rect (-7.5, -15) (0, 450)\n"
               "SideUPlate rect (0, -15) (250, -7.5)\n"
               "SideUPlate rect (250, -15) (257.5, 450)\n"
               "SideUPlate dim (377.5, 0) (377.5, 450) from (257.5, 0) (257.5, 450) “Lu = 450”\n"
               "SideUPlate callout (253.75, 225) “3×24@300”\n"},
    SketchCase{"SideUPlatesTooHighAreNotDrawn", {{"u_plate_spacing", "301"}}, "", "SideUPlate ", ""},
    SketchCase{"StirrupsEnoughNoSideUPlates", {{"stirrup_diameter", "12"}}, "", "SideUPlate ", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(SectionSketchTest, NoneBeforeThePlatesOrForASectionOfNoSize) {
  Engine before;
  EXPECT_EQ(section_sketch(before.handlers.trace()), std::nullopt);
  for (const Texts& inputs : {Texts{{"stirrup_spacing", ""}}, Texts{{"beam_width", "0"}},
                              Texts{{"beam_height", "1e6"}}}) {
    Engine engine;
    engine.enter(inputs);
    engine.calculate();
    EXPECT_EQ(section_sketch(engine.handlers.trace()), std::nullopt) << inputs.begin()->first;
  }
}

}  // namespace
}  // namespace platewise::testing
