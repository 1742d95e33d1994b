// Material rows by the picked item of each list, typed list names, and the
// notice for a name that is not in its list.

#include "engine_fixture.h"
#include "form_fields.h"

namespace platewise::testing {
namespace {

TEST(Materials, RowOfThePickedItem) {
  // list, text typed into it, the members that list sets
  const std::tuple<std::string, const char*, std::vector<Num>> cases[] = {
      // clang-format off
      {"cmb_gb", "Q235", {215}}, {"cmb_gb", "A3号钢", {215}}, {"cmb_gb", "16Mn钢", {315}},
      {"cmb_sl", "III级", {310, 200000, 0.7}}, {"cmb_sl", "I级", {210, 210000, 1}}, {"cmb_sl", "II级", {310, 200000, 0.7}},
      {"cmb_sm", "I级", {210}}, {"cmb_sm", "II级", {310}}, {"cmb_sm", "", {310}},
      {"Cmb_Hnt", "C45", {10, 1.75, 1.5}}, {"Cmb_Hnt", "C10", {5, 1, 0.9}}, {"Cmb_Hnt", "C15", {7.5, 1.25, 1.2}},
      {"Cmb_Hnt", "C20", {10, 1.75, 1.5}}, {"Cmb_Hnt", "C25", {12.5, 1.8, 1.75}}, {"Cmb_Hnt", "C30", {15, 2.1, 2}},
      {"Cmb_Hnt", "C35", {17.5, 2.35, 2.25}}, {"Cmb_Hnt", "C40", {19.5, 2.6, 2.45}},
      // clang-format on
  };
  for (const auto& [list, typed, values] : cases) {
    Engine e;
    e.enter({{list, typed}});
    e.calculate();
    const BeamState& s = e.state;
    const std::map<std::string, std::vector<Num>> members = {
        {"cmb_gb", {s.fa_plate}},
        {"cmb_sl", {s.fy_bottom, s.es_bottom, s.bond_coef_bottom}},
        {"cmb_sm", {s.fy_top}},
        {"Cmb_Hnt", {s.fc, s.fcv, s.ftk}}};
    EXPECT_EQ(members.at(list), values) << list << " " << typed;
  }
}

TEST(Materials, AnIndexJustPastEachListGivesTheDefaultRow) {
  struct OddForm : HeadlessForm {
    int list_index(std::string_view list) const override { return list == "Cmb_Hnt" ? 7 : 2; }
  } form;
  BeamState s;
  FormHandlers(s, form).Command1_Click();
  EXPECT_EQ(form.text("Text3") + form.text("Text2") + form.text("Text7"),
            "A3号钢:4(厚)X131(宽)172mm0.038");
}

TEST(Materials, TypedTextNamesAnItemIgnoringBlanksAroundItAndLetterCase) {
  const InputField& concrete = *input_by_control("Cmb_Hnt");
  const std::pair<const char*, int> cases[] = {
      {"C30", 4}, {" c30 ", 4}, {"\tC30\r\n", 4}, {"c10", 0}, {"C3", -1}, {"C300", -1}, {"", -1}};
  for (const auto& [typed, index] : cases) EXPECT_EQ(concrete.item_named(typed), index) << typed;
  EXPECT_EQ(input_by_control("cmb_gb")->item_named("a3号钢"), 0);
  const std::string_view letters[] = {"AZ"};
  EXPECT_EQ((InputField{"k", "c", FieldKind::List, "", "", letters}.item_named("az")), 0);
}

TEST(Materials, NoticeNamesTheRowUsedForEachUnlistedName) {
  Engine e;
  EXPECT_EQ(unlisted_materials(e.form), "");
  e.enter({{"cmb_sl", "III级"}, {"cmb_sm", "I级"}, {"Cmb_Hnt", "C45"}});
  EXPECT_EQ(unlisted_materials(e.form),
            "梁底钢筋级别“III级”不在列表中，按II级计算；砼强度等级“C45”不在列表中，按C20计算");
}

}  // namespace
}  // namespace platewise::testing
