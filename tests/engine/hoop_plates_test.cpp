// The U hoop-plate command, for the anchorage length actually available.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

struct HoopCase {
  const char* name;
  Texts before;  // entered before the Calculate run
  Texts after;   // entered after it; an actual length left out is the one the box fills in
  const char* hoops;
  const char* error = "";
};

void PrintTo(const HoopCase& c, std::ostream* out) { *out << c.name; }

class HoopPlates : public ::testing::TestWithParam<HoopCase> {};

TEST_P(HoopPlates, ShownAfterACalculation) {
  const HoopCase& c = GetParam();
  Engine e;
  e.enter(c.before);
  e.calculate();
  e.enter({{"short_anchorage_on", "1"}});
  e.handlers.short_anchorage_toggled();
  e.enter(c.after);
  EXPECT_EQ(e.run(&FormHandlers::size_hoop_plates), c.error);
  EXPECT_EQ(e.form.text("hoop_plates"), c.hoops);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Counts, HoopPlates, ::testing::Values(
    HoopCase{"LengthFilledInByTheBox", {}, {}, "无需加箍"},
    HoopCase{"SecondFormula", {}, {{"actual_anchorage", "150"}}, "3个3(厚)X24(宽bu)X150(高Lu)@100"},
    HoopCase{"JustShort", {}, {{"actual_anchorage", "171.9"}}, "3个3(厚)X24(宽bu)X150(高Lu)@100"},
    HoopCase{"EmptyLengthReadsAs0", {}, {{"actual_anchorage", ""}}, "5个3(厚)X24(宽bu)X150(高Lu)@100"},
    HoopCase{"SelectedWidth1000", {}, {{"actual_anchorage", "150"}, {"selected_width", "1000"}}, "39个3(厚)X24(宽bu)X150(高Lu)@100"},
    HoopCase{"TallerUPlatesFirstFormula", {{"u_plate_spacing", "200"}}, {{"actual_anchorage", "150"}}, "5个3(厚)X24(宽bu)X300(高Lu)@200"},
    HoopCase{"FirstFormulaSelectedWidth1000", {{"u_plate_spacing", "200"}}, {{"actual_anchorage", "150"}, {"selected_width", "1000"}},
             "55个3(厚)X24(宽bu)X300(高Lu)@200"},
    HoopCase{"FirstFormulaAtEquality", {{"beam_width", "175"}, {"u_plate_spacing", "120"}}, {{"actual_anchorage", "150"}},
             "8个3(厚)X24(宽bu)X180(高Lu)@120"},
    HoopCase{"SecondFormulaJustAboveEquality", {{"beam_width", "180"}, {"u_plate_spacing", "120"}}, {{"actual_anchorage", "150"}},
             "5个3(厚)X24(宽bu)X180(高Lu)@120"},
    HoopCase{"ForceForLessThanOneHoop", {}, {{"actual_anchorage", "0"}, {"selected_width", "0.001"}}, "0个3(厚)X24(宽bu)X150(高Lu)@100"},
    HoopCase{"NoForceLeft", {}, {{"actual_anchorage", "0"}, {"selected_width", "0"}}, "无需加箍"},
    HoopCase{"ConcreteCarriesThePlateForce", {}, {{"actual_anchorage", "150"}, {"selected_width", ""}}, "无需加箍"},
    // No side U plate was ever sized, so no hoop width is known: the command stops there.
    HoopCase{"NoUPlateSizedYetStopsAtTheCount", {{"stirrup_diameter", "12"}}, {{"actual_anchorage", "150"}, {"hoop_plates", "earlier"}},
             "earlier", "箍板宽度未定：梁箍筋无需加固，未算出梁侧U型钢板的宽度bu，无法确定U型箍板的个数"},
    HoopCase{"UPlatesTooTallGiveNoHoopWidth", {{"u_plate_spacing", "301"}}, {{"actual_anchorage", "150"}},
             "", "箍板宽度未定：梁侧U型钢板Lu太大，未算出梁侧U型钢板的宽度bu，无法确定U型箍板的个数"},
    // The calculated length as its field shows it: the digits the box fills in are long enough,
    // rounded down (C15) or up (C30) to fifteen.
    HoopCase{"C15FilledInByTheBox", {{"concrete_grade", "C15"}}, {}, "无需加箍"},
    HoopCase{"C15SameDigitsTyped", {{"concrete_grade", "C15"}}, {{"actual_anchorage", "229.333333333333"}}, "无需加箍"},
    HoopCase{"C15OneDigitFewer", {{"concrete_grade", "C15"}}, {{"actual_anchorage", "229.33333333333"}},
             "3个3(厚)X24(宽bu)X150(高Lu)@100"},
    HoopCase{"C30FilledInByTheBox", {{"concrete_grade", "C30"}}, {}, "无需加箍"},
    HoopCase{"C30SameDigitsTyped", {{"concrete_grade", "C30"}}, {{"actual_anchorage", "114.666666666667"}}, "无需加箍"},
    HoopCase{"C30OneDigitFewer", {{"concrete_grade", "C30"}}, {{"actual_anchorage", "114.66666666666"}},
             "3个3(厚)X24(宽bu)X150(高Lu)@100"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace platewise::testing
