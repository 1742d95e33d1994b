// The crack check, run by the Calculate command and by edits of Text9.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

class CrackWidthTest : public EngineTest {
 protected:
  void SetUp() override { handlers.Command1_Click(); }  // defaults: t = 4
  std::string after_edit(const char* moment, const char* width) {
    form.type("txt_m", moment);
    form.type("Text9", width);
    handlers.Text9_Change();
    return form.text("Text7");
  }
};

TEST_F(CrackWidthTest, WorkedWidths) {
  EXPECT_EQ(form.text("Text7"), "0.038");  // unrounded plate width
  EXPECT_EQ(after_edit("50", "131"), "0.038");
  EXPECT_EQ(after_edit("150", "131"), "0.249");
  EXPECT_EQ(after_edit("400", "131"), "0.777");  // cut down, not 0.778
  EXPECT_EQ(after_edit("50", ""), "0.058");
  EXPECT_EQ(after_edit("150", ""), "0.377");
  EXPECT_EQ(after_edit("150", "131abc"), "0.249");
  EXPECT_EQ(Num(state.bottom_plate_area).value(), 524);
}

TEST_F(CrackWidthTest, CoverTermIsNotBounded) {
  form.type("cmb_bhc", "5");
  handlers.Command1_Click();
  EXPECT_EQ(after_edit("150", "131"), "0.16");
}

TEST_F(CrackWidthTest, AFailedCheckLeavesTheWidthShown) {
  const CalcError e = error_of([&] { after_edit("0", "131"); });
  EXPECT_EQ(e.kind, FaultKind::DivisionByZero);
  EXPECT_EQ(e.step, Step::CrackCheck);
  EXPECT_EQ(form.text("Text7"), "0.038");
  EXPECT_EQ(Num(state.bottom_plate_area).value(), 524);

  EXPECT_EQ(error_of([&] { after_edit("50", "-9999"); }).kind, FaultKind::InvalidArgument);
}

TEST(CrackWidthBeforeAnyCalculation, EditOfTheWidthFails) {
  BeamState s;
  HeadlessForm f;
  FormHandlers h(s, f);
  f.type("Text9", "1");
  try {
    h.Text9_Change();
    ADD_FAILURE() << "no error";
  } catch (const CalcError& e) {
    EXPECT_EQ(e.step, Step::CrackCheck);
    EXPECT_EQ(e.kind, FaultKind::DivisionByZero);
  }
  EXPECT_EQ(f.text("Text7"), "");
}

}  // namespace
}  // namespace platewise::testing
