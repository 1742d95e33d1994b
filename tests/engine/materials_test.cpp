// Material look-ups take the picked list index, and only at Calculate.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

using MaterialsTest = EngineTest;

std::vector<double> materials(const BeamState& s) {
  return {Num(s.fa_plate).value(),
          Num(s.fy_bottom).value(),
          Num(s.fy_top).value(),
          Num(s.es_bottom).value(),
          Num(s.bond_coef_bottom).value(),
          Num(s.fc).value(),
          Num(s.fcv).value(),
          Num(s.ftk).value()};
}

TEST_F(MaterialsTest, RowsByPickedIndex) {
  const std::vector<double> defaults = {215, 310, 310, 200000, 0.7, 10, 1.75, 1.5};
  handlers.Command1_Click();
  EXPECT_EQ(materials(state), defaults);

  type({{"Cmb_Hnt", "C45"}, {"cmb_sl", "III级"}});  // names no item: the default rows
  handlers.Command1_Click();
  EXPECT_EQ(materials(state), defaults);

  form.pick("cmb_sl", 0);                 // I级
  form.pick("cmb_sm", 1);                 // II级
  form.pick("Cmb_Hnt", 6);                // C40
  form.pick("cmb_gb", 1);                 // 16Mn钢
  EXPECT_EQ(materials(state), defaults);  // a pick counts from the next calculation
  handlers.Command1_Click();
  EXPECT_EQ(materials(state), (std::vector<double>{315, 210, 310, 210000, 1, 19.5, 2.6, 2.45}));

  const double concrete[][3] = {{5, 1, 0.9},       {7.5, 1.25, 1.2}, {10, 1.75, 1.5},
                                {12.5, 1.8, 1.75}, {15, 2.1, 2},     {17.5, 2.35, 2.25}};
  for (int i = 0; i < 6; ++i) {
    form.pick("Cmb_Hnt", i);
    handlers.Command1_Click();
    const auto m = materials(state);
    EXPECT_EQ((std::vector<double>{m[5], m[6], m[7]}),
              (std::vector<double>{concrete[i][0], concrete[i][1], concrete[i][2]}))
        << i;
  }
}

}  // namespace
}  // namespace platewise::testing
