// Material rows by the picked item of each list, typed list names, and the
// notice for a name that is not in its list.

#include "engine_fixture.h"
#include "form_fields.h"

namespace platewise::testing {
namespace {

struct MaterialCase {
  const char* name;
  std::string list;
  const char* typed;
  std::vector<double> values;  // of the members that list sets
};

void PrintTo(const MaterialCase& c, std::ostream* out) { *out << c.name; }
class MaterialRow : public ::testing::TestWithParam<MaterialCase> {};

TEST_P(MaterialRow, OfThePickedItem) {
  Engine e;
  e.enter({{GetParam().list, GetParam().typed}});
  e.calculate();
  const BeamState& s = e.state;
  const std::map<std::string, std::vector<double>> members = {
      {"plate_steel", {s.fa_plate.value()}},
      {"bottom_bar_grade", {s.fy_bottom.value(), s.es_bottom.value(), s.bond_coef_bottom.value()}},
      {"top_bar_grade", {s.fy_top.value()}},
      {"concrete_grade", {s.fc.value(), s.fcv.value(), s.ftk.value()}}};
  EXPECT_EQ(members.at(GetParam().list), GetParam().values);
}

// clang-format off
const MaterialCase kMaterials[] = {
    {"PlateSteelUnlistedQ235", "plate_steel", "Q235", {215}}, {"PlateSteelA3", "plate_steel", "A3号钢", {215}},
    {"PlateSteel16Mn", "plate_steel", "16Mn钢", {315}},
    {"BottomBarsUnlistedIII", "bottom_bar_grade", "III级", {310, 200000, 0.7}},
    {"BottomBarsI", "bottom_bar_grade", "I级", {210, 210000, 1}}, {"BottomBarsII", "bottom_bar_grade", "II级", {310, 200000, 0.7}},
    {"TopBarsI", "top_bar_grade", "I级", {210}}, {"TopBarsII", "top_bar_grade", "II级", {310}}, {"TopBarsEmpty", "top_bar_grade", "", {310}},
    {"ConcreteUnlistedC45", "concrete_grade", "C45", {10, 1.75, 1.5}}, {"ConcreteC10", "concrete_grade", "C10", {5, 1, 0.9}},
    {"ConcreteC15", "concrete_grade", "C15", {7.5, 1.25, 1.2}}, {"ConcreteC20", "concrete_grade", "C20", {10, 1.75, 1.5}},
    {"ConcreteC25", "concrete_grade", "C25", {12.5, 1.8, 1.75}}, {"ConcreteC30", "concrete_grade", "C30", {15, 2.1, 2}},
    {"ConcreteC35", "concrete_grade", "C35", {17.5, 2.35, 2.25}}, {"ConcreteC40", "concrete_grade", "C40", {19.5, 2.6, 2.45}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Lists, MaterialRow, ::testing::ValuesIn(kMaterials),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Materials, AnIndexJustPastEachListGivesTheDefaultRow) {
  struct OddForm : HeadlessForm {
    int list_index(std::string_view list) const override {
      return list == "concrete_grade" ? 7 : 2;
    }
  } form;
  BeamState s;
  FormHandlers(s, form).calculate();
  EXPECT_EQ(form.text("bottom_plate") + form.text("anchorage") + form.text("crack_width"),
            "A3号钢:4(厚)X131(宽)172mm0.038");
}

TEST(Materials, TypedTextNamesAnItemIgnoringBlanksAroundItAndLetterCase) {
  const InputField& concrete = *input_by_key("concrete_grade");
  const std::pair<const char*, int> cases[] = {
      {"C30", 4}, {" c30 ", 4}, {"\tC30\r\n", 4}, {"c10", 0}, {"C3", -1}, {"C300", -1}, {"", -1}};
  for (const auto& [typed, index] : cases) EXPECT_EQ(concrete.item_named(typed), index) << typed;
  EXPECT_EQ(input_by_key("plate_steel")->item_named("a3号钢"), 0);
  const std::string_view letters[] = {"AZ"};
  EXPECT_EQ((InputField{"k", "c", FieldKind::List, "", "", letters}.item_named("az")), 0);
}

TEST(Materials, NoticeNamesWhatStandsInForEachUnlistedItem) {
  Engine e;
  EXPECT_EQ(unlisted_items(e.form), "");
  e.enter({{"bottom_bar_grade", "III级"},
           {"top_bar_grade", "I级"},
           {"concrete_grade", "C45"},
           {"cover", "40mm"},
           {"bar_rows", "三排"},
           {"stirrup_legs", "3"}});
  EXPECT_EQ(
      unlisted_items(e.form),
      "砼保护层(mm)“40mm”不在列表中，按40计算；梁底钢筋级别“III级”不在列表中，按II级计算；"
      "梁底钢筋排列“三排”不在列表中，截面简图按单排绘制；砼强度等级“C45”不在列表中，按C20计算；"
      "梁端箍筋肢数“3”不在列表中，按3计算");
}

}  // namespace
}  // namespace platewise::testing
