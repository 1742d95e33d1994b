// The Calculate command: section quantities, plates, anchorage, side U plates.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

// The result fields of one Calculate run, compared as whole texts.
struct Results {
  std::string text3, text9, text1, text11, text2, text6, text7;
  bool operator==(const Results&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Results& r) {
  return os << "{" << r.text3 << " | " << r.text9 << " | " << r.text1 << " | " << r.text11 << " | "
            << r.text2 << " | " << r.text6 << " | " << r.text7 << "}";
}

class CalculateTest : public EngineTest {
 protected:
  Results results() const {
    return {form.text("Text3"), form.text("Text9"), form.text("Text1"), form.text("Text11"),
            form.text("Text2"), form.text("Text6"), form.text("Text7")};
  }
  double value(const Member& m) const { return Num(m).value(); }
};

TEST_F(CalculateTest, AllDefaults) {
  handlers.Command1_Click();
  EXPECT_EQ(results(), (Results{"A3号钢:4(厚)X131(宽)", "131", "A3号钢:4(厚)X87(宽)", "87", "172mm",
                                "3(厚)X24(宽bu)X150(高Lu)@100", "0.038"}));
  EXPECT_EQ(value(state.beam_width), 250);
  EXPECT_EQ(value(state.beam_height), 600);
  EXPECT_EQ(value(state.cover), 35);
  EXPECT_EQ(value(state.h0), 565);
  EXPECT_EQ(value(state.plate_t), 4);
  EXPECT_EQ(value(state.as_bottom), 1471.875);
  EXPECT_EQ(value(state.as_top), 981.25);
  EXPECT_EQ(value(state.as_top_req), 1200);
  EXPECT_EQ(value(state.as_bottom_req), 1800);
  EXPECT_EQ(state.bottom_plate_width.text(), "131.419573643411");
  EXPECT_EQ(state.bottom_plate_area.text(), "525.678294573643");
  EXPECT_EQ(value(state.anchor_length), 172);
  EXPECT_EQ(value(state.u_plate_lu), 150);
}

TEST_F(CalculateTest, VariantsOfTheDefaultBeam) {
  const struct {
    const char* what;
    std::vector<std::pair<const char*, const char*>> typed;
    Results expected;
  } cases[] = {
      {"16Mn steel typed, not picked: name shown, A3 strength used",
       {{"cmb_gb", "Q235"}},
       {"Q235:4(厚)X131(宽)", "131", "Q235:4(厚)X87(宽)", "87", "172mm",
        "3(厚)X24(宽bu)X150(高Lu)@100", "0.038"}},
      {"plate thickness with a unit",
       {{"txt_hgb", "4mm"}},
       {"A3号钢:4(厚)X131(宽)", "131", "A3号钢:4(厚)X87(宽)", "87", "172mm",
        "3(厚)X24(宽bu)X150(高Lu)@100", "0.038"}},
      {"top requirement equal to the two bars",
       {{"txt_mj(0)", "9.8125"}},
       {"A3号钢:4(厚)X131(宽)", "131", "梁面无需加固", "0", "172mm", "3(厚)X24(宽bu)X150(高Lu)@100",
        "0.038"}},
      {"U plates at 300: Lu equals h - 150 and still fits",
       {{"txt_gba", "300"}},
       {"A3号钢:4(厚)X131(宽)", "131", "A3号钢:4(厚)X87(宽)", "87", "172mm",
        "3(厚)X24(宽bu)X450(高Lu)@300", "0.038"}},
      {"U plates at 301: Lu too large",
       {{"txt_gba", "301"}},
       {"A3号钢:4(厚)X131(宽)", "131", "A3号钢:4(厚)X87(宽)", "87", "172mm",
        "Lu太大，请加密箍板间距", "0.038"}},
      {"stirrups of 12 mm are enough",
       {{"Txt_gj(1)", "12"}},
       {"A3号钢:4(厚)X131(宽)", "131", "A3号钢:4(厚)X87(宽)", "87", "172mm", "梁箍筋无需加固",
        "0.038"}},
      {"12 mm stirrups short of 3 cm²: fyv 310",
       {{"Txt_gj(1)", "12"}, {"Txt_gj(0)", "3"}},
       {"A3号钢:4(厚)X131(宽)", "131", "A3号钢:4(厚)X87(宽)", "87", "172mm",
        "3(厚)X132(宽bu)X150(高Lu)@100", "0.038"}},
      {"11.9 mm stirrups short of 3 cm²: fyv 210",
       {{"Txt_gj(1)", "11.9"}, {"Txt_gj(0)", "3"}},
       {"A3号钢:4(厚)X131(宽)", "131", "A3号钢:4(厚)X87(宽)", "87", "172mm",
        "3(厚)X94(宽bu)X150(高Lu)@100", "0.038"}},
  };
  for (const auto& c : cases) {
    BeamState s;
    MemoryForm f;
    FormHandlers h(s, f);
    for (const auto& [control, text] : c.typed) f.type(control, text);
    h.Command1_Click();
    const Results got{f.text("Text3"), f.text("Text9"), f.text("Text1"), f.text("Text11"),
                      f.text("Text2"), f.text("Text6"), f.text("Text7")};
    EXPECT_EQ(got, c.expected) << c.what;
  }
}

TEST_F(CalculateTest, SixteenMnPicked) {
  form.pick("cmb_gb", 1);
  handlers.Command1_Click();
  EXPECT_EQ(form.text("Text3"), "16Mn钢:4(厚)X89(宽)");
  EXPECT_EQ(form.text("Text9"), "89");
  EXPECT_EQ(form.text("Text1"), "16Mn钢:4(厚)X59(宽)");
  EXPECT_EQ(form.text("Text11"), "59");
  EXPECT_EQ(form.text("Text2"), "252mm");
}

TEST_F(CalculateTest, ConcreteC15GivesAnUnroundedAnchorageLength) {
  form.pick("Cmb_Hnt", 1);
  handlers.Command1_Click();
  EXPECT_EQ(form.text("Text2"), "229.333333333333mm");
}

TEST_F(CalculateTest, RedistributionWithSeventyFivePercent) {
  form.tick("Check1", true);
  handlers.Command1_Click();
  EXPECT_EQ(results(), (Results{"A3号钢:4(厚)X251(宽)", "251", "梁面无需加固", "0", "172mm",
                                "3(厚)X24(宽bu)X150(高Lu)@100", "0.029"}));
  EXPECT_EQ(value(state.as_top_req), 900);
  EXPECT_EQ(value(state.as_bottom_req), 2100);

  form.type("Text8", "100");  // nothing moves; repeated runs do not accumulate
  handlers.Command1_Click();
  EXPECT_EQ(value(state.as_top_req), 1200);
  EXPECT_EQ(value(state.as_bottom_req), 1800);

  form.type("Text8", "");  // reads as 0: the whole top requirement moves
  handlers.Command1_Click();
  EXPECT_EQ(results(), (Results{"A3号钢:4(厚)X612(宽)", "612", "梁面无需加固", "0", "172mm",
                                "3(厚)X24(宽bu)X150(高Lu)@100", "0.015"}));
}

TEST_F(CalculateTest, NoBottomPlateSetsTheShownWidthToZero) {
  handlers.Command1_Click();
  form.type("Txt_dj(1)", "14.71875");  // equal to the three existing bars
  handlers.Command1_Click();
  EXPECT_EQ(form.text("Text3"), "梁底无需加固");
  EXPECT_EQ(form.text("Text9"), "0");
  EXPECT_EQ(value(state.bottom_plate_area), 0);
  EXPECT_EQ(form.text("Text7"), "0.058");  // the bars alone
}

TEST_F(CalculateTest, NothingNeededLeavesTheAnchorageTextOfTheLastRun) {
  handlers.Command1_Click();
  form.type("Txt_dj(1)", "1");
  form.type("txt_mj(0)", "1");
  form.type("Text2", "typed");
  handlers.Command1_Click();
  EXPECT_EQ(form.text("Text2"), "typed");
  EXPECT_EQ(form.text("Text1"), "梁面无需加固");
}

TEST_F(CalculateTest, EmptyStirrupSpacingStopsBeforeAnyResult) {
  form.type("txt_gja", "");
  const CalcError e = error_of([&] { handlers.Command1_Click(); });
  EXPECT_EQ(e.kind, FaultKind::DivisionByZero);
  EXPECT_EQ(e.step, Step::StirrupAreas);
  EXPECT_EQ(describe(e), "箍筋面积中断：除数为零");
  EXPECT_EQ(results(), Results{});
  EXPECT_EQ(value(state.as_top), 981.25);  // the section before it was read
}

TEST_F(CalculateTest, ZeroPlateThicknessStopsAtTheBottomPlate) {
  form.type("txt_hgb", "0");
  const CalcError e = error_of([&] { handlers.Command1_Click(); });
  EXPECT_EQ(e.kind, FaultKind::DivisionByZero);
  EXPECT_EQ(e.step, Step::BottomPlate);
  EXPECT_EQ(results(), Results{});
}

TEST_F(CalculateTest, EmptyMomentStopsInTheCrackCheckOfTheBottomPlateStep) {
  form.type("txt_m", "");
  const CalcError e = error_of([&] { handlers.Command1_Click(); });
  EXPECT_EQ(e.kind, FaultKind::DivisionByZero);
  EXPECT_EQ(e.step, Step::CrackCheck);
  EXPECT_EQ(describe(e), "裂缝验算中断：除数为零");
  EXPECT_EQ(results(), (Results{"A3号钢:4(厚)X131(宽)", "131", "", "", "", "", ""}));
}

TEST_F(CalculateTest, HugeInputOverflowsWhileReading) {
  form.type("txt_lk(0)", "1e400");
  const CalcError e = error_of([&] { handlers.Command1_Click(); });
  EXPECT_EQ(e.kind, FaultKind::Overflow);
  EXPECT_EQ(e.step, Step::InputData);
}

}  // namespace
}  // namespace platewise::testing
