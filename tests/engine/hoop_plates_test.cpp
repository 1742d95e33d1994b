// The U hoop-plate command, for the anchorage length actually available.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(HoopPlates, CountAfterACalculation) {
  // name, entered before the Calculate run, entered after it, hoop plates shown, error
  const std::tuple<const char*, Texts, Texts, const char*, const char*> cases[] = {
      // clang-format off
      {"actual length equals the calculated", {}, {{"Text4", "172"}}, "无需加箍", ""},
      {"150: second formula", {}, {{"Text4", "150"}}, "3个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"171.9", {}, {{"Text4", "171.9"}}, "3个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"empty length reads as 0", {}, {{"Text4", ""}}, "5个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"selected width 1000", {}, {{"Text4", "150"}, {"Text9", "1000"}}, "39个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"taller U plates: first formula", {{"txt_gba", "200"}}, {{"Text4", "150"}}, "5个3(厚)X24(宽bu)X300(高Lu)@200", ""},
      {"first formula, selected width 1000", {{"txt_gba", "200"}}, {{"Text4", "150"}, {"Text9", "1000"}},
       "55个3(厚)X24(宽bu)X300(高Lu)@200", ""},
      {"3.6 b equal to 2 fcv Lu: first formula", {{"txt_lk(0)", "175"}, {"txt_gba", "120"}}, {{"Text4", "150"}},
       "8个3(厚)X24(宽bu)X180(高Lu)@120", ""},
      {"3.6 b just above 2 fcv Lu: second formula", {{"txt_lk(0)", "180"}, {"txt_gba", "120"}}, {{"Text4", "150"}},
       "5个3(厚)X24(宽bu)X180(高Lu)@120", ""},
      {"force left for less than one hoop", {}, {{"Text4", "0"}, {"Text9", "0.001"}}, "0个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"no force left", {}, {{"Text4", "0"}, {"Text9", "0"}}, "无需加箍", ""},
      {"the concrete carries the plate force", {}, {{"Text4", "150"}, {"Text9", ""}}, "无需加箍", ""},
      {"no U plate sized yet: stops at the count", {{"Txt_gj(1)", "12"}}, {{"Text4", "150"}, {"Text5", "earlier"}},
       "earlier", "U型箍板中断：除数为零"},
      // clang-format on
  };
  for (const auto& [name, before, after, hoops, error] : cases) {
    Engine e;
    EXPECT_EQ(e.after_calculation(before, after, &FormHandlers::Command2_Click), error) << name;
    EXPECT_EQ(e.form.text("Text5"), hoops) << name;
  }
}

}  // namespace
}  // namespace platewise::testing
