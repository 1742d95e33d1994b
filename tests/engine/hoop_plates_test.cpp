// The U hoop-plate command, for the anchorage length actually available.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(HoopPlates, CountAfterACalculation) {
  // name, entered before the Calculate run, entered after it, hoop plates shown, error
  const std::tuple<const char*, Texts, Texts, const char*, const char*> cases[] = {
      // clang-format off
      {"actual length equals the calculated", {}, {{"actual_anchorage", "172"}}, "无需加箍", ""},
      {"150: second formula", {}, {{"actual_anchorage", "150"}}, "3个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"171.9", {}, {{"actual_anchorage", "171.9"}}, "3个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"empty length reads as 0", {}, {{"actual_anchorage", ""}}, "5个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"selected width 1000", {}, {{"actual_anchorage", "150"}, {"selected_width", "1000"}}, "39个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"taller U plates: first formula", {{"u_plate_spacing", "200"}}, {{"actual_anchorage", "150"}}, "5个3(厚)X24(宽bu)X300(高Lu)@200", ""},
      {"first formula, selected width 1000", {{"u_plate_spacing", "200"}}, {{"actual_anchorage", "150"}, {"selected_width", "1000"}},
       "55个3(厚)X24(宽bu)X300(高Lu)@200", ""},
      {"3.6 b equal to 2 fcv Lu: first formula", {{"beam_width", "175"}, {"u_plate_spacing", "120"}}, {{"actual_anchorage", "150"}},
       "8个3(厚)X24(宽bu)X180(高Lu)@120", ""},
      {"3.6 b just above 2 fcv Lu: second formula", {{"beam_width", "180"}, {"u_plate_spacing", "120"}}, {{"actual_anchorage", "150"}},
       "5个3(厚)X24(宽bu)X180(高Lu)@120", ""},
      {"force left for less than one hoop", {}, {{"actual_anchorage", "0"}, {"selected_width", "0.001"}}, "0个3(厚)X24(宽bu)X150(高Lu)@100", ""},
      {"no force left", {}, {{"actual_anchorage", "0"}, {"selected_width", "0"}}, "无需加箍", ""},
      {"the concrete carries the plate force", {}, {{"actual_anchorage", "150"}, {"selected_width", ""}}, "无需加箍", ""},
      {"no U plate sized yet: stops at the count", {{"stirrup_diameter", "12"}}, {{"actual_anchorage", "150"}, {"hoop_plates", "earlier"}},
       "earlier", "U型箍板中断：除数为零"},
      // clang-format on
  };
  for (const auto& [name, before, after, hoops, error] : cases) {
    Engine e;
    EXPECT_EQ(e.after_calculation(before, after, &FormHandlers::size_hoop_plates), error) << name;
    EXPECT_EQ(e.form.text("hoop_plates"), hoops) << name;
  }
}

}  // namespace
}  // namespace platewise::testing
