// Ticking Check2 fills Text4 with the calculated anchorage length of the
// last Calculate run. (Showing and hiding is tested through the window.)

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

class OptionTogglesTest : public EngineTest {
 protected:
  std::string tick_check2() {
    form.tick("Check2", true);
    handlers.Check2_Click();
    return form.text("Text4");
  }
};

TEST_F(OptionTogglesTest, TickingCheck2FillsTheCalculatedLength) {
  type({{"Text4", "typed"}});
  EXPECT_EQ(tick_check2(), "");  // no plate sized yet

  handlers.Command1_Click();
  type({{"Text4", "150"}, {"Text5", "kept"}});
  form.tick("Check2", false);
  handlers.Check2_Click();
  EXPECT_EQ(form.text("Text4"), "150");
  EXPECT_FALSE(form.visible("Text5"));
  EXPECT_EQ(tick_check2(), "172");
  EXPECT_TRUE(form.visible("Text5"));
  EXPECT_EQ(form.text("Text5"), "kept");

  form.pick("Cmb_Hnt", 1);  // C15
  handlers.Command1_Click();
  EXPECT_EQ(tick_check2(), "229.333333333333");
}

}  // namespace
}  // namespace platewise::testing
