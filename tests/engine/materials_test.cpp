// Material look-ups take the picked list index only, and only at Calculate.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

struct Materials {
  double fa_plate, fy_bottom, fy_top, es_bottom, bond_coef_bottom, fc, fcv, ftk;
};

Materials read(const BeamState& s) {
  return {Num(s.fa_plate).value(),
          Num(s.fy_bottom).value(),
          Num(s.fy_top).value(),
          Num(s.es_bottom).value(),
          Num(s.bond_coef_bottom).value(),
          Num(s.fc).value(),
          Num(s.fcv).value(),
          Num(s.ftk).value()};
}

void expect_eq(const Materials& a, const Materials& b) {
  EXPECT_EQ(a.fa_plate, b.fa_plate);
  EXPECT_EQ(a.fy_bottom, b.fy_bottom);
  EXPECT_EQ(a.fy_top, b.fy_top);
  EXPECT_EQ(a.es_bottom, b.es_bottom);
  EXPECT_EQ(a.bond_coef_bottom, b.bond_coef_bottom);
  EXPECT_EQ(a.fc, b.fc);
  EXPECT_EQ(a.fcv, b.fcv);
  EXPECT_EQ(a.ftk, b.ftk);
}

using MaterialsTest = EngineTest;

TEST_F(MaterialsTest, NothingPickedGivesTheDefaultRows) {
  handlers.Command1_Click();
  expect_eq(read(state), {215, 310, 310, 200000, 0.7, 10, 1.75, 1.5});
}

TEST_F(MaterialsTest, TypedTextCountsForNothing) {
  form.type("Cmb_Hnt", "C30");
  form.type("cmb_sl", "I级");
  handlers.Command1_Click();
  expect_eq(read(state), {215, 310, 310, 200000, 0.7, 10, 1.75, 1.5});
}

TEST_F(MaterialsTest, PickedRowsOfEachList) {
  form.pick("cmb_sl", 0);   // I级
  form.pick("cmb_sm", 1);   // II级
  form.pick("Cmb_Hnt", 6);  // C40
  form.pick("cmb_gb", 1);   // 16Mn钢
  handlers.Command1_Click();
  expect_eq(read(state), {315, 210, 310, 210000, 1, 19.5, 2.6, 2.45});

  const double concrete[][3] = {{5, 1, 0.9},       {7.5, 1.25, 1.2}, {10, 1.75, 1.5},
                                {12.5, 1.8, 1.75}, {15, 2.1, 2},     {17.5, 2.35, 2.25}};
  for (int i = 0; i < 6; ++i) {
    form.pick("Cmb_Hnt", i);
    handlers.Command1_Click();
    EXPECT_EQ(Num(state.fc).value(), concrete[i][0]) << i;
    EXPECT_EQ(Num(state.fcv).value(), concrete[i][1]) << i;
    EXPECT_EQ(Num(state.ftk).value(), concrete[i][2]) << i;
  }
}

TEST_F(MaterialsTest, APickCountsOnlyFromTheNextCalculation) {
  handlers.Command1_Click();
  form.pick("cmb_gb", 1);
  EXPECT_EQ(Num(state.fa_plate).value(), 215);
  handlers.Command1_Click();
  EXPECT_EQ(Num(state.fa_plate).value(), 315);
}

}  // namespace
}  // namespace platewise::testing
