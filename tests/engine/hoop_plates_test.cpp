// The U hoop-plate command after a Calculate run.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

class HoopPlatesTest : public EngineTest {
 protected:
  std::string hoops(const char* actual_length) {
    form.type("Text4", actual_length);
    handlers.Command2_Click();
    return form.text("Text5");
  }
};

TEST_F(HoopPlatesTest, CountsAfterTheDefaultCalculation) {
  handlers.Command1_Click();
  EXPECT_EQ(hoops("172"), "无需加箍");
  EXPECT_EQ(hoops("150"), "3个3(厚)X24(宽bu)X150(高Lu)@100");
  EXPECT_EQ(hoops("171.9"), "3个3(厚)X24(宽bu)X150(高Lu)@100");
  EXPECT_EQ(hoops(""), "5个3(厚)X24(宽bu)X150(高Lu)@100");
}

TEST_F(HoopPlatesTest, FirstFormulaForTallerUPlates) {
  form.type("txt_gba", "200");
  handlers.Command1_Click();
  EXPECT_EQ(form.text("Text6"), "3(厚)X24(宽bu)X300(高Lu)@200");
  EXPECT_EQ(hoops("150"), "5个3(厚)X24(宽bu)X300(高Lu)@200");
}

TEST_F(HoopPlatesTest, ConcreteCarryingThePlateForceNeedsNoHoops) {
  handlers.Command1_Click();
  form.type("Text9", "");  // excess -32812.5: never a negative count
  EXPECT_EQ(hoops("150"), "无需加箍");
  form.type("Text9", "30");  // 215 × 30 × 4 = 25800 < 32812.5
  EXPECT_EQ(hoops("150"), "无需加箍");
}

TEST_F(HoopPlatesTest, NoBottomPlateAnyMoreNeedsNoHoops) {
  handlers.Command1_Click();
  form.type("Txt_dj(1)", "10");
  handlers.Command1_Click();
  EXPECT_EQ(hoops("150"), "无需加箍");
}

TEST_F(HoopPlatesTest, BeforeAnyCalculation) {
  EXPECT_EQ(hoops(""), "无需加箍");
  EXPECT_EQ(hoops("-5"), "无需加箍");
}

TEST_F(HoopPlatesTest, NoUPlatesSizedYetStopsAtTheCount) {
  form.type("Txt_gj(1)", "12");  // enough stirrups: no U plate is sized
  handlers.Command1_Click();
  form.type("Text5", "earlier");
  const CalcError e = error_of([&] { hoops("150"); });
  EXPECT_EQ(e.kind, FaultKind::DivisionByZero);
  EXPECT_EQ(e.step, Step::HoopPlates);
  EXPECT_EQ(describe(e), "U型箍板中断：除数为零");
  EXPECT_EQ(form.text("Text5"), "earlier");
}

}  // namespace
}  // namespace platewise::testing
