// The checks of a design, each on both sides of its limit and at it: the
// verdict and the whole text, or that a run that never reached it lists none.

#include "design_checks.h"

#include <algorithm>

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

struct CheckCase {
  const char* name;
  std::vector<Act> acts;
  std::string_view key;
  std::optional<Verdict> verdict;  // unset: the check is not listed
  const char* text = "";           // "␣" stands for U+00A0
  const char* crack_limit = "";
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

class DesignChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DesignChecks, VerdictAndText) {
  const CheckCase& c = GetParam();
  Engine w;
  w.act(c.acts);
  ReportInfo info;
  info.crack_limit = c.crack_limit;
  const std::vector<DesignCheck> checks = design_checks(w.handlers.trace(), info);
  // Verdicts alone: the same checks, their texts left unwritten.
  const std::vector<DesignCheck> bare = design_checks(w.handlers.trace(), info, CheckTexts::Left);
  ASSERT_EQ(bare.size(), checks.size());
  for (std::size_t i = 0; i < bare.size(); ++i) {
    EXPECT_EQ(bare[i], (DesignCheck{checks[i].key, checks[i].verdict, "", checks[i].part}));
  }
  const auto found = std::ranges::find_if(
      checks, [&](const DesignCheck& check) { return check_rule(check.key).file_key == c.key; });
  if (!c.verdict) {
    EXPECT_EQ(found, checks.end());
    return;
  }
  ASSERT_NE(found, checks.end());
  EXPECT_EQ(verdict_word(found->verdict), verdict_word(*c.verdict));
  EXPECT_EQ(found->text, spaced(c.text));
}

using enum Verdict;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Limits, DesignChecks, ::testing::Values(
    CheckCase{"PlateThicknessAtTheLowerLimit", {type("plate_thickness", "2"), kCalculate}, "plate_thickness", Satisfied, "钢板厚 2␣mm，在 2～6␣mm 之内"},
    CheckCase{"PlateThicknessBelow", {type("plate_thickness", "1.9"), kCalculate}, "plate_thickness", NotSatisfied, "钢板厚 1.9␣mm < 2␣mm"},
    CheckCase{"PlateThicknessAtTheUpperLimit", {type("plate_thickness", "6"), kCalculate}, "plate_thickness", Satisfied, "钢板厚 6␣mm，在 2～6␣mm 之内"},
    CheckCase{"PlateThicknessAbove", {type("plate_thickness", "6.1"), kCalculate}, "plate_thickness", NotSatisfied, "钢板厚 6.1␣mm > 6␣mm"},
    CheckCase{"PlateThicknessWithoutAPlate", {type("bottom_area_req", "1"), type("top_area_req", "1"), type("plate_thickness", "9"), kCalculate},
              "plate_thickness", std::nullopt},
    CheckCase{"BottomWidthAtTheBeamWidth", {kCalculate, width("250")}, "bottom_plate_width", Satisfied, "梁底钢板宽 250␣mm ≤ 梁宽 250␣mm"},
    CheckCase{"BottomWidthOverTheBeamWidth", {kCalculate, width("251")}, "bottom_plate_width", NotSatisfied, "梁底钢板宽 251␣mm > 梁宽 250␣mm"},
    CheckCase{"BottomWidthAsCalculatedOverANarrowBeam", {type("beam_width", "130"), kCalculate}, "bottom_plate_width", NotSatisfied,
              "梁底钢板宽 131␣mm > 梁宽 130␣mm"},
    CheckCase{"BottomWidthWithoutABottomPlate", {type("bottom_area_req", "1"), kCalculate, width("400")}, "bottom_plate_width", std::nullopt},
    CheckCase{"BottomAreaShortByTheRounding", {kCalculate}, "bottom_plate_area", Rounding,
              "梁底钢板面积 524␣mm² < 所需 525.7␣mm²（99.68%，因宽度向下取整）"},
    CheckCase{"BottomAreaShortWithAWidthTypedAboveTheRounding", {kCalculate, width("131.419")}, "bottom_plate_area", Rounding,
              "梁底钢板面积比所需小 0.002295␣mm²（99.9996%，因宽度向下取整）"},
    CheckCase{"BottomAreaAtTheRequiredArea", {kCalculate, width("131.419573643411")}, "bottom_plate_area", Satisfied,
              "梁底钢板面积 525.7␣mm² ≥ 所需 525.7␣mm²（100%）"},
    CheckCase{"BottomAreaOverTheRequiredArea", {kCalculate, width("132")}, "bottom_plate_area", Satisfied,
              "梁底钢板面积 528␣mm² ≥ 所需 525.7␣mm²（100.4%）"},
    CheckCase{"BottomAreaShortWithANarrowerWidthTyped", {kCalculate, width("130")}, "bottom_plate_area", NotSatisfied,
              "梁底钢板面积 520␣mm² < 所需 525.7␣mm²（98.92%，实选宽度 130␣mm 小于 131␣mm）"},
    CheckCase{"TopWidthAtTheBeamWidth", {type("top_area_req", "16.0575"), kCalculate}, "top_plate_width", Satisfied, "梁面钢板宽 250␣mm ≤ 梁宽 250␣mm"},
    CheckCase{"TopWidthOverTheBeamWidth", {type("top_area_req", "16.0825"), kCalculate}, "top_plate_width", Attention,
              "梁面钢板宽 251␣mm > 梁宽 250␣mm（仅当楼板延续梁顶面时可行）"},
    CheckCase{"TopAreaShortByTheRounding", {kCalculate}, "top_plate_area", Rounding, "梁面钢板面积 348␣mm² < 所需 350.5␣mm²（99.3%，因宽度向下取整）"},
    CheckCase{"TopAreaOfAWholeWidth", {type("beam_width", "400"), type("top_area_req", "17.5525"), kCalculate}, "top_plate_area", Satisfied,
              "梁面钢板面积 1240␣mm² ≥ 所需 1240␣mm²（100%）"},
    CheckCase{"TopAreaWithoutATopPlate", {type("top_area_req", "1"), kCalculate}, "top_plate_area", std::nullopt},
    CheckCase{"LuAtTheLimit", {type("u_plate_spacing", "300"), kCalculate}, "u_plate_height", Satisfied, "箍板高度 450␣mm ≤ 限值 450␣mm（梁高 − 150␣mm）"},
    CheckCase{"LuOverTheLimit", {type("u_plate_spacing", "300.5"), kCalculate}, "u_plate_height", NotSatisfied, "箍板高度 450.75␣mm > 限值 450␣mm（梁高 − 150␣mm）"},
    CheckCase{"LuWithStirrupsEnough", {type("stirrup_diameter", "12"), kCalculate}, "u_plate_height", std::nullopt},
    CheckCase{"UPlateThicknessAtTheLowerLimit", {type("u_plate_thickness", "2"), kCalculate}, "u_plate_thickness", Satisfied, "U型钢板厚 2␣mm，在 2～6␣mm 之内"},
    CheckCase{"UPlateThicknessBelow", {type("u_plate_thickness", "1.9"), kCalculate}, "u_plate_thickness", NotSatisfied, "U型钢板厚 1.9␣mm < 2␣mm"},
    CheckCase{"UPlateThicknessAbove", {type("u_plate_thickness", "6.1"), kCalculate}, "u_plate_thickness", NotSatisfied, "U型钢板厚 6.1␣mm > 6␣mm"},
    CheckCase{"UPlateThicknessWhenLuIsTooLarge", {type("u_plate_spacing", "301"), kCalculate}, "u_plate_thickness", std::nullopt},
    CheckCase{"CrackWidthUnderTheDefaultLimit", {kCalculate}, "crack_width", Satisfied, "裂缝宽度 0.038␣mm ≤ 限值 0.3␣mm"},
    CheckCase{"CrackWidthAtTheLimitGiven", {kCalculate}, "crack_width", Satisfied, "裂缝宽度 0.038␣mm ≤ 限值 0.038␣mm", "0.038"},
    CheckCase{"CrackWidthOverTheLimitGiven", {kCalculate}, "crack_width", NotSatisfied, "裂缝宽度 0.038␣mm > 限值 0.037␣mm", " 0.037 "},
    CheckCase{"CrackWidthOverTheDefaultForALimitThatIsNoNumber", {type("moment", "300"), kCalculate}, "crack_width", NotSatisfied,
              "裂缝宽度 0.569␣mm > 限值 0.3␣mm", "abc"},
    CheckCase{"CrackWidthOfTheLastEdit", {kCalculate, width("")}, "crack_width", Satisfied, "裂缝宽度 0.058␣mm ≤ 限值 0.3␣mm"},
    CheckCase{"CrackWidthNeverReached", {type("moment", ""), kCalculate}, "crack_width", std::nullopt},
    CheckCase{"HoopCountRoundedDown", {kCalculate, hoops("150")}, "hoop_count", Attention,
              "箍板 3 个可承担 63553␣N < 需承担 79848␣N（计算箍板数 3.769，需 4 个）"},
    CheckCase{"HoopCountRoundedDownUnderTheFirstFormula", {type("u_plate_spacing", "200"), kCalculate, hoops("150")}, "hoop_count", Attention,
              "箍板 5 个可承担 74146␣N < 需承担 79848␣N（计算箍板数 5.384，需 6 个）"},
    CheckCase{"HoopCountThatCarriesTheForce", {type("stirrup_area_req", "3"), type("u_plate_thickness", "5"), kCalculate, width("182"), hoops("121.6")},
              "hoop_count", Satisfied, "箍板 1 个可承担 129920␣N ≥ 需承担 129920␣N（计算箍板数 1）"},
    CheckCase{"HoopCountWhenNoHoopsAreNeeded", {kCalculate, hoops("172")}, "hoop_count", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(DesignChecks, WorstVerdictAndSummary) {
  const std::vector<DesignCheck> checks = {{CheckKey::PlateThickness, Verdict::Satisfied, "甲"},
                                           {CheckKey::TopPlateWidth, Verdict::Attention, "乙"},
                                           {CheckKey::CrackWidth, Verdict::NotSatisfied, "丙"},
                                           {CheckKey::UPlateHeight, Verdict::NotSatisfied, "丁"},
                                           {CheckKey::TopPlateArea, Verdict::Rounding, "戊"}};
  EXPECT_EQ(worst_verdict({}), std::nullopt);
  EXPECT_EQ(worst_verdict(std::span(checks).first(2)), Verdict::Attention);
  EXPECT_EQ(worst_verdict(checks), Verdict::NotSatisfied);
  EXPECT_EQ(worst_verdict(std::span(checks).last(1)), Verdict::Rounding);
  EXPECT_EQ(checks_summary({}), "");
  EXPECT_EQ(checks_summary(std::span(checks).first(1)), "验算：1 项均满足");
  EXPECT_EQ(checks_summary(std::span(checks).first(2)), "验算：1 项注意");
  EXPECT_EQ(checks_summary(checks), "验算：2 项不满足（丙；丁），1 项注意，1 项注意（取整）");
  EXPECT_EQ(checks_summary(std::span(checks).last(1)), "验算：1 项注意（取整）");
  EXPECT_EQ(checks_summary(std::span(checks).subspan(2, 2)), "验算：2 项不满足（丙；丁）");
  EXPECT_EQ(checks_summary(std::span(checks).subspan(1, 2)), "验算：1 项不满足（丙），1 项注意");
  std::string weighed;
  for (const DesignCheck* check : by_weight(checks)) weighed += check->text;
  EXPECT_EQ(weighed, "丙丁乙戊甲");
}

}  // namespace
}  // namespace platewise::testing
