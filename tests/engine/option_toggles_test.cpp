// The option boxes show and hide their controls; ticking Check2 fills Text4
// with the calculated anchorage length of the last Calculate run.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(OptionToggles, EachBoxShowsItsControlsWhileTicked) {
  const std::tuple<const char*, void (FormHandlers::*)(), std::vector<std::string>> cases[] = {
      {"Check1", &FormHandlers::Check1_Click, {"Label21", "Text8", "Label22"}},
      {"Check2", &FormHandlers::Check2_Click, {"Label10", "Text4", "Label26", "Command2", "Text5"}},
  };
  for (const auto& [box, handler, controls] : cases) {
    Engine e;
    for (const std::string ticked : {"1", "0"}) {
      e.enter({{box, ticked}});
      e.run(handler);
      for (const std::string& name : controls)
        EXPECT_EQ(e.form.visible(name), ticked == "1") << name;
    }
  }
}

TEST(OptionToggles, TickingCheck2FillsTheCalculatedLength) {
  Engine e;
  const auto tick = [&](const char* ticked) {
    e.enter({{"Check2", ticked}});
    e.handlers.Check2_Click();
    return e.form.text("Text4") + "|" + e.form.text("Text5");
  };
  e.enter({{"Text4", "typed"}});
  EXPECT_EQ(tick("1"), "|");  // no plate sized yet
  e.calculate();
  e.enter({{"Text4", "150"}, {"Text5", "kept"}});
  EXPECT_EQ(tick("0"), "150|kept");
  EXPECT_EQ(tick("1"), "172|kept");
}

}  // namespace
}  // namespace platewise::testing
