// The crack check that each edit of the selected bottom-plate width re-runs.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(CrackWidth, EditOfTheSelectedWidthAfterACalculation) {
  // name, entered before the Calculate run, entered after it, width shown, error
  const std::tuple<const char*, Texts, Texts, const char*, const char*> cases[] = {
      // clang-format off
      {"moment 50: psi raised to 0.4", {}, {{"txt_m", "50"}, {"Text9", "131"}}, "0.038", ""},
      {"moment 57: psi 0.45 kept", {}, {{"txt_m", "57"}, {"Text9", "131"}}, "0.05", ""},
      {"moment 150", {}, {{"txt_m", "150"}, {"Text9", "131"}}, "0.249", ""},
      {"moment 400: psi lowered to 1; cut down", {}, {{"txt_m", "400"}, {"Text9", "131"}}, "0.777", ""},
      {"moment 400000: every digit", {}, {{"txt_m", "400000"}, {"Text9", "131"}}, "777.696", ""},
      {"no plate, moment 50", {}, {{"txt_m", "50"}, {"Text9", ""}}, "0.058", ""},
      {"no plate, moment 150", {}, {{"txt_m", "150"}, {"Text9", ""}}, "0.377", ""},
      {"width with letters after it", {}, {{"txt_m", "150"}, {"Text9", "131abc"}}, "0.249", ""},
      {"cover 5: negative cover term", {{"cmb_bhc", "5"}}, {{"txt_m", "150"}, {"Text9", "131"}}, "0.16", ""},
      {"no moment", {}, {{"txt_m", ""}}, "0.038", "裂缝验算中断：除数为零"},
      {"negative width", {}, {{"Text9", "-9999"}}, "0.038", "裂缝验算中断：无效的参数"},
      // clang-format on
  };
  for (const auto& [name, before, after, width, error] : cases) {
    Engine e;
    EXPECT_EQ(e.after_calculation(before, after, &FormHandlers::Text9_Change), error) << name;
    EXPECT_EQ(e.form.text("Text7"), width) << name;
  }
}

// Before any calculation every member counts as 0.
TEST(CrackWidth, BeforeAnyCalculationAnEditStopsAndNoHoopsAreNeeded) {
  Engine e;
  e.enter({{"Text9", "131"}});
  EXPECT_EQ(e.run(&FormHandlers::Text9_Change), "裂缝验算中断：除数为零");
  e.handlers.Command2_Click();
  EXPECT_EQ(e.form.text("Text7") + "|" + e.form.text("Text5"), "|无需加箍");
}

}  // namespace
}  // namespace platewise::testing
