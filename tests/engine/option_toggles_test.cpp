// The option boxes show and hide their controls; ticking Check2 fills Text4
// with the calculated anchorage length of the last Calculate run.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

TEST(OptionToggles, EachBoxShowsItsControlsWhileTicked) {
  const struct {
    const char* box;
    void (FormHandlers::*handler)();
    std::vector<std::string> controls;
  } cases[] = {
      {"Check1", &FormHandlers::Check1_Click, {"Label21", "Text8", "Label22"}},
      {"Check2", &FormHandlers::Check2_Click, {"Label10", "Text4", "Label26", "Command2", "Text5"}},
  };
  for (const auto& c : cases) {
    Engine e;
    for (const char* ticked : {"1", "0"}) {
      e.enter({{c.box, ticked}});
      e.run(c.handler);
      for (const std::string& name : c.controls) {
        EXPECT_EQ(e.form.visible(name), ticked == std::string("1")) << c.box << " " << name;
      }
    }
  }
}

TEST(OptionToggles, TickingCheck2FillsTheCalculatedLength) {
  Engine e;
  e.enter({{"Text4", "typed"}, {"Check2", "1"}});
  e.handlers.Check2_Click();
  EXPECT_EQ(e.form.text("Text4"), "");  // no plate sized yet

  e.calculate();
  e.enter({{"Text4", "150"}, {"Text5", "kept"}, {"Check2", "0"}});
  e.handlers.Check2_Click();
  EXPECT_EQ(e.form.text("Text4"), "150");
  e.enter({{"Check2", "1"}});
  e.handlers.Check2_Click();
  EXPECT_EQ(e.form.text("Text4"), "172");
  EXPECT_EQ(e.form.text("Text5"), "kept");
}

}  // namespace
}  // namespace platewise::testing
