// The crack check that each edit of the selected bottom-plate width re-runs.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(CrackWidth, EditOfTheSelectedWidthAfterACalculation) {
  // name, entered before the Calculate run, entered after it, width shown, error
  const std::tuple<const char*, Texts, Texts, const char*, const char*> cases[] = {
      // clang-format off
      {"moment 50: psi raised to 0.4", {}, {{"moment", "50"}, {"selected_width", "131"}}, "0.038", ""},
      {"moment 57: psi 0.45 kept", {}, {{"moment", "57"}, {"selected_width", "131"}}, "0.05", ""},
      {"moment 150", {}, {{"moment", "150"}, {"selected_width", "131"}}, "0.249", ""},
      {"moment 400: psi lowered to 1; cut down", {}, {{"moment", "400"}, {"selected_width", "131"}}, "0.777", ""},
      {"moment 400000: every digit", {}, {{"moment", "400000"}, {"selected_width", "131"}}, "777.696", ""},
      {"no plate, moment 50", {}, {{"moment", "50"}, {"selected_width", ""}}, "0.058", ""},
      {"no plate, moment 150", {}, {{"moment", "150"}, {"selected_width", ""}}, "0.377", ""},
      {"width with letters after it", {}, {{"moment", "150"}, {"selected_width", "131abc"}}, "0.249", ""},
      {"cover 5: negative cover term", {{"cover", "5"}}, {{"moment", "150"}, {"selected_width", "131"}}, "0.16", ""},
      {"no moment", {}, {{"moment", ""}}, "0.038", "裂缝验算中断：除数为零"},
      {"negative width", {}, {{"selected_width", "-9999"}}, "0.038", "裂缝验算中断：无效的参数"},
      // clang-format on
  };
  for (const auto& [name, before, after, width, error] : cases) {
    Engine e;
    EXPECT_EQ(e.after_calculation(before, after, &FormHandlers::selected_width_edited), error)
        << name;
    EXPECT_EQ(e.form.text("crack_width"), width) << name;
  }
}

// Before any calculation every member counts as 0.
TEST(CrackWidth, BeforeAnyCalculationAnEditStopsAndNoHoopsAreNeeded) {
  Engine e;
  e.enter({{"selected_width", "131"}});
  EXPECT_EQ(e.run(&FormHandlers::selected_width_edited), "裂缝验算中断：除数为零");
  e.handlers.size_hoop_plates();
  EXPECT_EQ(e.form.text("crack_width") + "|" + e.form.text("hoop_plates"), "|无需加箍");
}

}  // namespace
}  // namespace platewise::testing
