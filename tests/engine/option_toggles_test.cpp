// The option boxes show and hide their controls; ticking the short-anchorage
// box fills in the actual anchorage with the calculated anchorage length of the last Calculate run.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(OptionToggles, BoxesShowTheirControlsAndCheck2FillsTheCalculatedLength) {
  Engine e;
  // Visibility of the controls of each option box, and the actual anchorage and hoop plates texts.
  const auto toggle = [&](const char* ticked) {
    e.enter({{"redistribution_on", ticked}, {"short_anchorage_on", ticked}});
    e.handlers.redistribution_toggled();
    e.handlers.short_anchorage_toggled();
    std::string shown;
    for (const char* name : {"redistribution_label", "redistribution_percent", "percent_sign",
                             "actual_anchorage_label", "actual_anchorage", "hoop_label",
                             "hoop_button", "hoop_plates"}) {
      shown += e.form.visible(name) ? "1" : "0";
    }
    return shown + "|" + e.form.text("actual_anchorage") + "|" + e.form.text("hoop_plates");
  };
  e.enter({{"actual_anchorage", "typed"}});
  EXPECT_EQ(toggle("1"), "11111111||");  // no plate sized yet: empty, not "0"
  e.calculate();
  e.enter({{"actual_anchorage", "150"}, {"hoop_plates", "kept"}});
  EXPECT_EQ(toggle("0"), "00000000|150|kept");
  EXPECT_EQ(toggle("1"), "11111111|172|kept");
}

}  // namespace
}  // namespace platewise::testing
