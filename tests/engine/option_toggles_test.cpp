#include "engine_fixture.h"

namespace platewise::testing {
namespace {

using OptionTogglesTest = EngineTest;

const char* const kRedistribution[] = {"Label21", "Text8", "Label22"};
const char* const kHoopPlates[] = {"Label10", "Text4", "Label26", "Command2", "Text5"};

TEST_F(OptionTogglesTest, EachBoxShowsAndHidesItsControls) {
  for (const char* c : kRedistribution) EXPECT_FALSE(form.visible(c)) << c;
  for (const char* c : kHoopPlates) EXPECT_FALSE(form.visible(c)) << c;

  form.tick("Check1", true);
  handlers.Check1_Click();
  for (const char* c : kRedistribution) EXPECT_TRUE(form.visible(c)) << c;
  for (const char* c : kHoopPlates) EXPECT_FALSE(form.visible(c)) << c;

  form.type("Text8", "60");
  form.tick("Check1", false);
  handlers.Check1_Click();
  for (const char* c : kRedistribution) EXPECT_FALSE(form.visible(c)) << c;
  form.tick("Check1", true);
  handlers.Check1_Click();
  EXPECT_EQ(form.text("Text8"), "60");

  form.tick("Check2", true);
  handlers.Check2_Click();
  for (const char* c : kHoopPlates) EXPECT_TRUE(form.visible(c)) << c;
  form.tick("Check2", false);
  handlers.Check2_Click();
  for (const char* c : kHoopPlates) EXPECT_FALSE(form.visible(c)) << c;
}

TEST_F(OptionTogglesTest, TickingCheck2FillsTheCalculatedLength) {
  form.type("Text4", "typed");
  form.tick("Check2", true);
  handlers.Check2_Click();
  EXPECT_EQ(form.text("Text4"), "");  // no plate sized yet

  handlers.Command1_Click();
  handlers.Check2_Click();
  EXPECT_EQ(form.text("Text4"), "172");

  form.type("Text4", "150");
  form.type("Text5", "kept");
  form.tick("Check2", false);
  handlers.Check2_Click();
  EXPECT_EQ(form.text("Text4"), "150");
  form.tick("Check2", true);
  handlers.Check2_Click();
  EXPECT_EQ(form.text("Text4"), "172");
  EXPECT_EQ(form.text("Text5"), "kept");

  form.pick("Cmb_Hnt", 1);  // C15
  handlers.Command1_Click();
  handlers.Check2_Click();
  EXPECT_EQ(form.text("Text4"), "229.333333333333");
}

}  // namespace
}  // namespace platewise::testing
