// The Calculate command: section quantities, plates, anchorage, side U plates.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

using CalculateTest = EngineTest;

TEST_F(CalculateTest, AllDefaults) {
  handlers.Command1_Click();
  EXPECT_EQ(results(), kDefaultResults);
  const std::pair<const Member*, double> members[] = {
      {&state.beam_width, 250},  {&state.beam_height, 600},    {&state.cover, 35},
      {&state.h0, 565},          {&state.as_bottom, 1471.875}, {&state.as_top, 981.25},
      {&state.as_top_req, 1200}, {&state.as_bottom_req, 1800}, {&state.u_plate_lu, 150}};
  for (const auto& [member, expected] : members) EXPECT_EQ(value(*member), expected);
  EXPECT_EQ(state.bottom_plate_width.text(), "131.419573643411");
  EXPECT_EQ(state.bottom_plate_area.text(), "525.678294573643");
}

TEST_F(CalculateTest, VariantsOfTheDefaultBeam) {
  const struct {
    const char* what;
    Texts typed;
    Texts changed_results;
  } cases[] = {
      {"steel typed, not picked: its name shown, the A3 row used",
       {{"cmb_gb", "Q235"}},
       {{"Text3", "Q235:4(厚)X131(宽)"}, {"Text1", "Q235:4(厚)X87(宽)"}}},
      {"plate thickness with a unit", {{"txt_hgb", "4mm"}}, {}},
      {"top requirement equal to the two bars",
       {{"txt_mj(0)", "9.8125"}},
       {{"Text1", "梁面无需加固"}, {"Text11", "0"}}},
      {"U plates at 300: Lu equals h - 150 and still fits",
       {{"txt_gba", "300"}},
       {{"Text6", "3(厚)X24(宽bu)X450(高Lu)@300"}}},
      {"U plates at 301", {{"txt_gba", "301"}}, {{"Text6", "Lu太大，请加密箍板间距"}}},
      {"12 mm stirrups are enough", {{"Txt_gj(1)", "12"}}, {{"Text6", "梁箍筋无需加固"}}},
      {"12 mm stirrups short of 3 cm²: fyv 310",
       {{"Txt_gj(1)", "12"}, {"Txt_gj(0)", "3"}},
       {{"Text6", "3(厚)X132(宽bu)X150(高Lu)@100"}}},
      {"11.9 mm stirrups short of 3 cm²: fyv 210",
       {{"Txt_gj(1)", "11.9"}, {"Txt_gj(0)", "3"}},
       {{"Text6", "3(厚)X94(宽bu)X150(高Lu)@100"}}},
  };
  for (const auto& c : cases) {
    BeamState s;
    HeadlessForm f;
    for (const auto& [name, text] : c.typed) f.type(name, text);
    FormHandlers(s, f).Command1_Click();
    EXPECT_EQ(results_of(f), with(kDefaultResults, c.changed_results)) << c.what;
  }
}

TEST_F(CalculateTest, PickedMaterials) {
  form.pick("cmb_gb", 1);  // 16Mn钢
  handlers.Command1_Click();
  EXPECT_EQ(results(), with(kDefaultResults, {{"Text3", "16Mn钢:4(厚)X89(宽)"},
                                              {"Text9", "89"},
                                              {"Text1", "16Mn钢:4(厚)X59(宽)"},
                                              {"Text11", "59"},
                                              {"Text2", "252mm"},
                                              {"Text6", "3(厚)X16(宽bu)X150(高Lu)@100"},
                                              {"Text7", "0.043"}}));
  form.pick("cmb_gb", 0);
  form.pick("Cmb_Hnt", 1);  // C15: an unrounded anchorage length
  handlers.Command1_Click();
  EXPECT_EQ(form.text("Text2"), "229.333333333333mm");
}

TEST_F(CalculateTest, RedistributionOfTheTopRequirement) {
  form.tick("Check1", true);
  handlers.Command1_Click();
  EXPECT_EQ(results(), with(kDefaultResults, {{"Text3", "A3号钢:4(厚)X251(宽)"},
                                              {"Text9", "251"},
                                              {"Text1", "梁面无需加固"},
                                              {"Text11", "0"},
                                              {"Text7", "0.029"}}));
  EXPECT_EQ(value(state.as_top_req), 900);
  EXPECT_EQ(value(state.as_bottom_req), 2100);

  type({{"Text8", "100"}});  // nothing moves; runs do not accumulate
  handlers.Command1_Click();
  EXPECT_EQ(results(), kDefaultResults);

  type({{"Text8", ""}});  // reads as 0: the whole top requirement moves
  handlers.Command1_Click();
  EXPECT_EQ(results(), with(kDefaultResults, {{"Text3", "A3号钢:4(厚)X612(宽)"},
                                              {"Text9", "612"},
                                              {"Text1", "梁面无需加固"},
                                              {"Text11", "0"},
                                              {"Text7", "0.015"}}));
}

TEST_F(CalculateTest, NoPlatesNeeded) {
  handlers.Command1_Click();
  type({{"Txt_dj(1)", "14.71875"}, {"txt_mj(0)", "1"}, {"Text2", "typed"}});
  handlers.Command1_Click();
  // The shown width does not stay from the earlier run; the anchorage text does.
  EXPECT_EQ(results(), with(kDefaultResults, {{"Text3", "梁底无需加固"},
                                              {"Text9", "0"},
                                              {"Text1", "梁面无需加固"},
                                              {"Text11", "0"},
                                              {"Text2", "typed"},
                                              {"Text7", "0.058"}}));
  EXPECT_EQ(value(state.bottom_plate_area), 0);
}

TEST_F(CalculateTest, FailuresStopTheRunWhereTheyHappen) {
  const struct {
    Texts typed;
    FaultKind kind;
    Step step;
    Texts results;  // what was written before the error
  } cases[] = {
      {{{"txt_gja", ""}}, FaultKind::DivisionByZero, Step::StirrupAreas, {}},
      {{{"txt_hgb", "0"}}, FaultKind::DivisionByZero, Step::BottomPlate, {}},
      {{{"txt_lk(0)", "1e400"}}, FaultKind::Overflow, Step::InputData, {}},
      {{{"txt_m", ""}},
       FaultKind::DivisionByZero,
       Step::CrackCheck,
       {{"Text3", "A3号钢:4(厚)X131(宽)"}, {"Text9", "131"}}},
  };
  for (const auto& c : cases) {
    BeamState s;
    HeadlessForm f;
    for (const auto& [name, text] : c.typed) f.type(name, text);
    try {
      FormHandlers(s, f).Command1_Click();
      ADD_FAILURE() << "no error for " << c.typed.begin()->first;
    } catch (const CalcError& e) {
      EXPECT_EQ(e.kind, c.kind);
      EXPECT_EQ(e.step, c.step);
    }
    EXPECT_EQ(results_of(f), with(results_of(HeadlessForm()), c.results)) << c.typed.begin()->first;
  }
  EXPECT_EQ(describe(CalcError(FaultKind::DivisionByZero, Step::CrackCheck)),
            "裂缝验算中断：除数为零");
}

}  // namespace
}  // namespace platewise::testing
