// The Calculate command, run after a first run with every default: what the
// result fields show (as kDefaultResults), or where the run stopped.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

struct CalcCase {
  const char* name;
  Texts entered;  // after a first run
  std::string results;
  const char* error = "";
};

void PrintTo(const CalcCase& c, std::ostream* out) { *out << c.name; }
class Calculate : public ::testing::TestWithParam<CalcCase> {};

TEST_P(Calculate, ResultsAfterChangingTheDefaults) {
  Engine e;
  EXPECT_EQ(e.after_calculation({}, GetParam().entered, &FormHandlers::calculate),
            GetParam().error);
  EXPECT_EQ(e.results(), GetParam().results);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Changes, Calculate, ::testing::Values(
    CalcCase{"Defaults", {}, kDefaultResults},
    CalcCase{"PlateSteel16Mn", {{"plate_steel", "16Mn钢"}},
       "16Mn钢:4(厚)X89(宽)|89|16Mn钢:4(厚)X59(宽)|59|252mm|3(厚)X16(宽bu)X150(高Lu)@100|0.043"},
    CalcCase{"UnlistedSteelShownCalculatedAsA3", {{"plate_steel", "Q235"}},
       "Q235:4(厚)X131(宽)|131|Q235:4(厚)X87(宽)|87|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.038"},
    CalcCase{"C15UnroundedAnchorageLength", {{"concrete_grade", "C15"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|229.333333333333mm|3(厚)X24(宽bu)X150(高Lu)@100|0.049"},
    CalcCase{"ThinPlatesShowTheWidthsToTheLastDigit", {{"plate_thickness", "0.001"}},
       "A3号钢:0.001(厚)X525678(宽)|525678|A3号钢:0.001(厚)X350452(宽)|350452|0.043mm|3(厚)X24(宽bu)X150(高Lu)@100|0.038"},
    CalcCase{"PlateThicknessWithItsUnit", {{"plate_thickness", "4mm"}}, kDefaultResults},
    CalcCase{"BottomRequirementEqualToTheBarsNoPlateNoArea", {{"bottom_area_req", "14.71875"}, {"moment", "400000"}},
       "梁底无需加固|0|A3号钢:4(厚)X87(宽)|87|172mm|3(厚)X24(宽bu)X150(高Lu)@100|1170.893"},
    CalcCase{"TopRequirementEqualToTheBars", {{"top_area_req", "9.8125"}},
       "A3号钢:4(厚)X131(宽)|131|梁面无需加固|0|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.038"},
    CalcCase{"NeitherFaceNeedsAPlateTheAnchorageTextStays",
       {{"bottom_area_req", "10"}, {"top_area_req", "1"}, {"anchorage", "typed"}},
       "梁底无需加固|0|梁面无需加固|0|typed|3(厚)X24(宽bu)X150(高Lu)@100|0.058"},
    CalcCase{"Redistribution75PercentOfTheTopStays", {{"redistribution_on", "1"}},
       "A3号钢:4(厚)X251(宽)|251|梁面无需加固|0|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.029"},
    CalcCase{"Redistribution100PercentMovesNothing", {{"redistribution_on", "1"}, {"redistribution_percent", "100"}}, kDefaultResults},
    CalcCase{"RedistributionEmptyPercentMovesEverything", {{"redistribution_on", "1"}, {"redistribution_percent", ""}},
       "A3号钢:4(厚)X612(宽)|612|梁面无需加固|0|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.015"},
    CalcCase{"UPlatesAt300LuIsHMinus150AndFits", {{"u_plate_spacing", "300"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|3(厚)X24(宽bu)X450(高Lu)@300|0.038"},
    CalcCase{"UPlatesAt300Point5LuTooLarge", {{"u_plate_spacing", "300.5"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|Lu太大，请加密箍板间距|0.038"},
    CalcCase{"Stirrups12mmSuffice", {{"stirrup_diameter", "12"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|梁箍筋无需加固|0.038"},
    CalcCase{"StirrupRequirementEqualToTheStirrups",
       {{"stirrup_diameter", "10"}, {"stirrup_legs", "4"}, {"stirrup_spacing", "200"}, {"stirrup_area_req", "3.14"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|梁箍筋无需加固|0.038"},
    CalcCase{"ThinUPlatesShowBuToTheLastDigit", {{"u_plate_thickness", "0.001"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|0.001(厚)X70615(宽bu)X150(高Lu)@100|0.038"},
    CalcCase{"Stirrups12mmShortOf3cm2Fyv310", {{"stirrup_diameter", "12"}, {"stirrup_area_req", "3"}, {"u_plate_thickness", "0.001"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|0.001(厚)X394749(宽bu)X150(高Lu)@100|0.038"},
    CalcCase{"Stirrups11Point9mmShortOf3cm2Fyv210", {{"stirrup_diameter", "11.9"}, {"stirrup_area_req", "3"}, {"u_plate_thickness", "0.001"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|0.001(厚)X280985(宽bu)X150(高Lu)@100|0.038"},
    CalcCase{"Bu23Point505RoundsUp", {{"u_plate_thickness", "3.0042"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|3.0042(厚)X24(宽bu)X150(高Lu)@100|0.038"},
    CalcCase{"Bu23Point46RoundsDown", {{"u_plate_thickness", "3.01"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|3.01(厚)X23(宽bu)X150(高Lu)@100|0.038"},
    CalcCase{"NoStirrupSpacing", {{"stirrup_spacing", ""}}, kDefaultResults, "箍筋面积中断：除数为零"},
    CalcCase{"NoPlateThickness", {{"plate_thickness", "0"}}, kDefaultResults, "梁底钢板中断：除数为零"},
    CalcCase{"BeamWidthTooLargeForANumber", {{"beam_width", "1e400"}}, kDefaultResults, "读取梁的数据中断：溢出"},
    CalcCase{"NoMomentStopsInTheCrackCheckTheBottomWidthStarts", {{"moment", ""}, {"anchorage", "typed"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|typed|3(厚)X24(宽bu)X150(高Lu)@100|0.038",
       "裂缝验算中断：除数为零"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace platewise::testing
