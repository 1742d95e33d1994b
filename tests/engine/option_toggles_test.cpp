// The option boxes show and hide their controls; ticking Check2 fills Text4
// with the calculated anchorage length of the last Calculate run.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(OptionToggles, BoxesShowTheirControlsAndCheck2FillsTheCalculatedLength) {
  Engine e;
  // Visibility of the controls of Check1, then of Check2, and the texts of Text4 and Text5.
  const auto toggle = [&](const char* ticked) {
    e.enter({{"Check1", ticked}, {"Check2", ticked}});
    e.handlers.Check1_Click();
    e.handlers.Check2_Click();
    std::string shown;
    for (const char* name :
         {"Label21", "Text8", "Label22", "Label10", "Text4", "Label26", "Command2", "Text5"}) {
      shown += e.form.visible(name) ? "1" : "0";
    }
    return shown + "|" + e.form.text("Text4") + "|" + e.form.text("Text5");
  };
  e.enter({{"Text4", "typed"}});
  EXPECT_EQ(toggle("1"), "11111111||");  // no plate sized yet: empty, not "0"
  e.calculate();
  e.enter({{"Text4", "150"}, {"Text5", "kept"}});
  EXPECT_EQ(toggle("0"), "00000000|150|kept");
  EXPECT_EQ(toggle("1"), "11111111|172|kept");
}

}  // namespace
}  // namespace platewise::testing
