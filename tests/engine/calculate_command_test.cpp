// The Calculate command, run after a first run with every default: what the
// result fields show (as kDefaultResults), or where the run stopped.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(Calculate, ResultsAfterChangingTheDefaults) {
  // name, entered after a first run, results shown (as kDefaultResults), error
  const std::tuple<const char*, Texts, std::string, const char*> cases[] = {
      // clang-format off
      {"defaults", {}, kDefaultResults, ""},
      {"16Mn steel", {{"plate_steel", "16Mn钢"}},
       "16Mn钢:4(厚)X89(宽)|89|16Mn钢:4(厚)X59(宽)|59|252mm|3(厚)X16(宽bu)X150(高Lu)@100|0.043", ""},
      {"unlisted steel: its name shown, the A3 row used", {{"plate_steel", "Q235"}},
       "Q235:4(厚)X131(宽)|131|Q235:4(厚)X87(宽)|87|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.038", ""},
      {"C15: an unrounded anchorage length", {{"concrete_grade", "C15"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|229.333333333333mm|3(厚)X24(宽bu)X150(高Lu)@100|0.049", ""},
      {"thin plates show the widths to the last digit", {{"plate_thickness", "0.001"}},
       "A3号钢:0.001(厚)X525678(宽)|525678|A3号钢:0.001(厚)X350452(宽)|350452|0.043mm|3(厚)X24(宽bu)X150(高Lu)@100|0.038", ""},
      {"plate thickness with its unit", {{"plate_thickness", "4mm"}}, kDefaultResults, ""},
      {"bottom requirement equal to the bars: no plate, no plate area", {{"bottom_area_req", "14.71875"}, {"moment", "400000"}},
       "梁底无需加固|0|A3号钢:4(厚)X87(宽)|87|172mm|3(厚)X24(宽bu)X150(高Lu)@100|1170.893", ""},
      {"top requirement equal to the bars", {{"top_area_req", "9.8125"}},
       "A3号钢:4(厚)X131(宽)|131|梁面无需加固|0|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.038", ""},
      {"neither face needs a plate: the anchorage text stays",
       {{"bottom_area_req", "10"}, {"top_area_req", "1"}, {"anchorage", "typed"}},
       "梁底无需加固|0|梁面无需加固|0|typed|3(厚)X24(宽bu)X150(高Lu)@100|0.058", ""},
      {"75 % of the top requirement stays on the top", {{"redistribution_on", "1"}},
       "A3号钢:4(厚)X251(宽)|251|梁面无需加固|0|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.029", ""},
      {"100 % stays: nothing moves", {{"redistribution_on", "1"}, {"redistribution_percent", "100"}}, kDefaultResults, ""},
      {"an empty percentage moves everything", {{"redistribution_on", "1"}, {"redistribution_percent", ""}},
       "A3号钢:4(厚)X612(宽)|612|梁面无需加固|0|172mm|3(厚)X24(宽bu)X150(高Lu)@100|0.015", ""},
      {"U plates at 300: Lu equals h - 150 and fits", {{"u_plate_spacing", "300"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|3(厚)X24(宽bu)X450(高Lu)@300|0.038", ""},
      {"U plates at 300.5: Lu too large", {{"u_plate_spacing", "300.5"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|Lu太大，请加密箍板间距|0.038", ""},
      {"12 mm stirrups suffice", {{"stirrup_diameter", "12"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|梁箍筋无需加固|0.038", ""},
      {"stirrup requirement equal to the stirrups",
       {{"stirrup_diameter", "10"}, {"stirrup_legs", "4"}, {"stirrup_spacing", "200"}, {"stirrup_area_req", "3.14"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|梁箍筋无需加固|0.038", ""},
      {"thin U plates show bu to the last digit", {{"u_plate_thickness", "0.001"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|0.001(厚)X70615(宽bu)X150(高Lu)@100|0.038", ""},
      {"12 mm stirrups short of 3 cm²: fyv 310", {{"stirrup_diameter", "12"}, {"stirrup_area_req", "3"}, {"u_plate_thickness", "0.001"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|0.001(厚)X394749(宽bu)X150(高Lu)@100|0.038", ""},
      {"11.9 mm stirrups short of 3 cm²: fyv 210", {{"stirrup_diameter", "11.9"}, {"stirrup_area_req", "3"}, {"u_plate_thickness", "0.001"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|0.001(厚)X280985(宽bu)X150(高Lu)@100|0.038", ""},
      {"bu 23.505 rounds up", {{"u_plate_thickness", "3.0042"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|3.0042(厚)X24(宽bu)X150(高Lu)@100|0.038", ""},
      {"bu 23.46 rounds down", {{"u_plate_thickness", "3.01"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|172mm|3.01(厚)X23(宽bu)X150(高Lu)@100|0.038", ""},
      {"no stirrup spacing", {{"stirrup_spacing", ""}}, kDefaultResults, "箍筋面积中断：除数为零"},
      {"no plate thickness", {{"plate_thickness", "0"}}, kDefaultResults, "梁底钢板中断：除数为零"},
      {"a beam width too large for a number", {{"beam_width", "1e400"}}, kDefaultResults, "读取梁的数据中断：溢出"},
      {"no moment: stops in the crack check the bottom width starts", {{"moment", ""}, {"anchorage", "typed"}},
       "A3号钢:4(厚)X131(宽)|131|A3号钢:4(厚)X87(宽)|87|typed|3(厚)X24(宽bu)X150(高Lu)@100|0.038",
       "裂缝验算中断：除数为零"},
      // clang-format on
  };
  for (const auto& [name, entered, results, error] : cases) {
    Engine e;
    EXPECT_EQ(e.after_calculation({}, entered, &FormHandlers::calculate), error) << name;
    EXPECT_EQ(e.results(), results) << name;
  }
}

}  // namespace
}  // namespace platewise::testing
