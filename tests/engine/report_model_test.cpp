// The calculation report written from the handlers' record: the whole report
// of the default beam against a kept copy, and for varied runs the lines that
// show their branch, a results summary equal to the result fields and a
// conclusion that lists every check.

#include "report_model.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

// The date, the time and the version change; the rest must not.
std::string masked(const std::string& text) {
  static const std::regex kTime("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d");  // no seconds
  static const std::regex kVersion("Platewise [0-9.]+");
  return std::regex_replace(std::regex_replace(text, kTime, "<时间>"), kVersion,
                            "Platewise <版本>");
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST(ReportTest, DefaultBeamMatchesTheKeptReport) {
  Engine w;
  EXPECT_FALSE(report_model(w.handlers.trace(), w.form).has_value());
  w.act({kCalculate});
  const char* const path = PLATEWISE_TEST_DATA "/default_report.txt";
  const ReportModel model = w.report();
  const std::string written = masked(plain_text(model));
  if (std::getenv("PLATEWISE_UPDATE_GOLDEN") != nullptr) std::ofstream(path) << written;
  std::ifstream kept(path);
  std::stringstream expected;
  expected << kept.rdbuf();
  EXPECT_EQ(written, expected.str()) << "PLATEWISE_UPDATE_GOLDEN=1 rewrites the kept copy";
  EXPECT_TRUE(model.complete);
}

TEST(ReportTest, TitleBlockNamesTheProjectTheMemberAndWhoSigns) {
  Engine w;
  w.act({kCalculate});
  const ReportModel model = w.report({"某办公楼", "KL-3", "张三", "", "王五", ""});
  EXPECT_EQ(model.running_header, "某办公楼 KL-3 计算书");
  const std::string text = plain_text(model);
  EXPECT_EQ(text.substr(0, text.find("计算程序")),
            "计算书\n工程名称：某办公楼\n构件编号：KL-3\n"
            "编制依据：《混凝土结构加固技术规范》CECS 25:90；《混凝土结构设计规范》GBJ 10-89\n");
  EXPECT_NE(text.find("\n计算：张三　校对：　审核：王五\n"), std::string::npos);
  EXPECT_EQ(model.codes.size(), 2U);
  EXPECT_EQ(model.date.size(), 10U);  // "2026-12-07"
}

TEST(ReportTest, AnchorageToBuildIsTheShownLengthRoundedUpToWholeMillimetres) {
  const std::pair<Texts, std::string> cases[] = {
      {{}, "172mm"},
      {{{"concrete_grade", "C15"}}, "230mm"},  // 229.333333333333
      {{{"bottom_area_req", "1"}, {"top_area_req", "1"}}, ""},
  };
  for (const auto& [entries, expected] : cases) {
    Engine w;
    w.enter(entries);
    w.calculate();
    EXPECT_EQ(w.report().anchorage_used, expected);
  }
}

struct RunCase {
  const char* name;
  std::vector<Act> acts;
  std::vector<std::string> lines;  // each found whole in the report; "␣" stands for U+00A0
  bool complete = true;
  std::string crack_limit = {};  // as given for the report
};

void PrintTo(const RunCase& c, std::ostream* out) { *out << c.name; }

class ReportRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(ReportRun, ShowsItsBranchASummaryEqualToTheFieldsAndEveryCheckInTheConclusion) {
  const RunCase& c = GetParam();
  Engine w;
  w.act(c.acts);
  ReportInfo info;
  info.crack_limit = c.crack_limit;
  const ReportModel model = w.report(info);
  const std::string text = plain_text(model);
  bool stale = false;  // a notice is expected only where a case names it
  for (const std::string& line : c.lines) {
    EXPECT_NE(("\n" + text).find("\n" + spaced(line) + "\n"), std::string::npos) << line << "\n"
                                                                                 << text;
    stale = stale || line.starts_with("注意：");
  }
  EXPECT_EQ(model.stale_notice.empty(), !stale);
  EXPECT_EQ(text.find(kStopPrefix) == std::string::npos, c.complete);
  EXPECT_EQ(model.complete, c.complete);
  EXPECT_EQ(text.find("计算未完成") != std::string::npos, !c.complete);

  ASSERT_GE(model.sections.size(), 2U);
  const ReportSection& summary = model.sections[model.sections.size() - 2];
  ASSERT_EQ(summary.title, kSummaryTitle);
  const bool hoops = w.handlers.trace().hoops.has_value();
  std::size_t row = 0;
  for (const ResultField& field : result_fields()) {
    const bool hoop_field = field.key == "actual_anchorage" || field.key == "hoop_plates";
    if (hoop_field && !hoops) continue;
    ASSERT_LT(row, summary.rows.size());
    EXPECT_EQ(summary.rows[row].text, w.form.text(field.key)) << field.key;
    // After a whole run, a remark only where a case names it.
    if (c.complete && !summary.rows[row].note.empty()) {
      const ReportRow& r = summary.rows[row];
      EXPECT_NE(std::ranges::find(c.lines, r.label + "：" + r.text + "（" + r.note + "）"),
                c.lines.end())
          << r.label << " " << r.note;
    }
    ++row;
  }
  EXPECT_EQ(row, summary.rows.size());

  // The conclusion lists each check once, the worst first, each also in its step.
  const ReportSection& conclusion = model.sections.back();
  ASSERT_EQ(conclusion.title, kConclusionTitle);
  ASSERT_FALSE(conclusion.lines.empty());
  const std::string& closing = conclusion.lines.back().text;
  EXPECT_TRUE(closing.starts_with(c.complete ? "本构件加固设计" : "计算未完成：")) << closing;
  std::vector<Verdict> verdicts;
  for (const ReportLine& line : std::span(conclusion.lines).first(conclusion.lines.size() - 1)) {
    if (!line.verdict) continue;
    verdicts.push_back(*line.verdict);
    EXPECT_TRUE(line.text.ends_with(verdict_word(*line.verdict)));
    EXPECT_EQ(occurrences(text, '\n' + line.text + '\n'), 2U) << line.text;
  }
  EXPECT_EQ(verdicts.size(), model.checks.size());
  EXPECT_TRUE(std::ranges::is_sorted(verdicts, std::greater<>()));
}

// clang-format off
const RunCase kRuns[] = {
    {"RedistributionLeavesTheTopWithoutAPlate", {tick("redistribution_on"), kCalculate},
     {"移至梁底的面积 ΔA_{m} = A_{s,t,req} × (100 − β) / 100 = 1200 × (100 − 75) / 100 = 300␣mm²",
      "A_{s,t,req}^{*} ≤ A_{s,t}：900 ≤ 981.3，梁面无需加固，实选宽度为 0"}},
    {"NoPlatesAndStirrupsEnough",
     {type("bottom_area_req", "14.71875"), type("top_area_req", "1"),
      type("stirrup_diameter", "12"), type("anchorage", "old"), kCalculate},
     {"A_{s,b,req} ≤ A_{s,b}：1472 ≤ 1472，梁底无需加固，实选宽度为 0",
      "梁底无需加固，裂缝验算不计钢板：A_{a} = 0",
      "A_{sv,req} ≤ A_{sv}：1200 ≤ 2261，梁箍筋无需加固",
      "箍筋：d_{v} = 12␣mm ≥ 12␣mm，f_{yv} = 310␣N/mm²",
      "计算锚固长度(mm)：old（本次计算未写入此栏，为此前的内容）"}},
    {"UPlatesTooTall", {type("u_plate_spacing", "301"), kCalculate},
     {"箍板高度 451.5␣mm > 限值 450␣mm（梁高 − 150␣mm），不满足",
      "梁侧U型钢板：Lu太大，请加密箍板间距"}},
    {"PsiAboveOneAndANegativeCoverTerm", {type("moment", "400"), type("cover", "-5"), kCalculate},
     {"ψ > 1，取 ψ = 1", "有效高度 h_{0} = h − a = 600 − (−5) = 605␣mm",
      "保护层厚度 c = a − 10 = (−5) − 10 = −15␣mm",
      "裂缝宽度 0.423␣mm > 限值 0.3␣mm，不满足"}},
    {"StoppedInTheFirstCrackCheck", {type("moment", ""), kCalculate},
     {"实选宽度写入 131 后随即验算裂缝：",
      "应变不均匀系数 ψ = 1.1 − 0.65 × f_{tk} / ρ_{te} / σ_{s} = 1.1 − 0.65 × 1.5 / 0.02591 / 0 = …（计算在此中断）",
      "计算中断：裂缝验算中断：除数为零", "梁面钢板：（本次计算未写入此栏）",
      "计算未完成，未算到的项目未验算。"},
     false},
    {"StoppedAtTheStirrupSpacing", {type("stirrup_spacing", ""), kCalculate},
     {"每米梁长的现有箍筋面积 A_{sv} = d_{v}^{2} × 0.785 × n_{v} × 1000 / s_{v} = 8^{2} × 0.785 × 2 × 1000 / 0 = …（计算在此中断）",
      "计算中断：箍筋面积中断：除数为零", "没有已验算的项目。"},
     false},
    {"UnlistedAndListedMaterials",
     {type("concrete_grade", "C45"), type("bottom_bar_grade", "I级"),
      type("stirrup_diameter", "11.9"), kCalculate},
     {"砼强度等级“C45”不在列表中，按C20计算，注意",
      "混凝土（C20）：f_{c} = 10␣N/mm²，f_{cv} = 1.75␣N/mm²，f_{tk} = 1.5␣N/mm²",
      "梁底钢筋（I级）：f_{y,b} = 210␣N/mm²，E_{s} = 210000␣N/mm²，粘结特性系数 ν = 1",
      "箍筋：d_{v} = 11.9␣mm < 12␣mm，f_{yv} = 210␣N/mm²"}},
    {"UPlateWidthUnderAHalfRoundsDown", {type("stirrup_area_req", "1.199"), kCalculate},
     {"梁侧U型钢板实选宽度 b_{u,sel} = ⌊b_{u} + 0.5⌋ = ⌊23.42 + 0.5⌋ = 23␣mm",
      "梁侧U型钢板：3(厚)X23(宽bu)X150(高Lu)@100"}},
    {"InputsChangedAfterTheRun", {kCalculate, type("beam_width", "300"), tick("redistribution_on")},
     {"注意：计算后以下输入已修改，本计算书对应修改前的输入：梁宽(mm)、梁面筋调幅。"}},
    {"WidthEditedThenHoopsByTheSecondFormula", {kCalculate, width("200"), hoops("150")},
     {"10 修改实选宽度后的裂缝验算", "计算后实选宽度改为“200”，裂缝重新验算：",
      "梁底钢板宽 200␣mm ≤ 梁宽 250␣mm，满足",
      "梁底钢板面积 800␣mm² ≥ 所需 525.7␣mm²（152.2%），满足",
      "3.6 × b = 3.6 × 250 = 900 > 2 × f_{cv} × L_{u} = 2 × 1.75 × 150 = 525，按第二式",
      "11 钢板端部锚固区U型箍板",
      "U型箍板数（计算值） n_{h,0} = N_{h} / 3.6 / b / b_{u} = 139188 / 3.6 / 250 / 23.54 = 6.57",
      "U型箍板：6个3(厚)X24(宽bu)X150(高Lu)@100", "实际锚固长度(mm)：150",
      "实际锚固长度 l_{a,act} = 150␣mm",
      "箍板 6 个可承担 127107␣N < 需承担 139188␣N（计算箍板数 6.57，需 7 个），注意"}},
    {"HoopsByTheFirstFormulaThenTheWidthEdited",
     {type("u_plate_spacing", "200"), kCalculate, hoops("150"), width("140")},
     {"3.6 × b = 3.6 × 250 = 900 ≤ 2 × f_{cv} × L_{u} = 2 × 1.75 × 300 = 1050，按第一式（折减系数 0.7）",
      "U型箍板数 n_{h} = ⌊n_{h,0}⌋ = ⌊5.384⌋ = 5␣个", "10 钢板端部锚固区U型箍板",
      "11 修改实选宽度后的裂缝验算"}},
    {"AnchorageLongEnough", {kCalculate, hoops("172")},
     {"l_{a,act} − l_{a} = 172 − 172 = 0 ≥ 0，无需加箍"}},
    {"ConcreteCarriesThePlateForce", {kCalculate, width("0"), hoops("150")},
     {"N_{h} ≤ 0：−32813 ≤ 0，混凝土已足以承担钢板拉力，无需加箍",
      "梁底钢板面积 0␣mm² < 所需 525.7␣mm²（0%，实选宽度 0␣mm 小于 131␣mm），不满足"}},
    {"HoopsWithoutSideUPlatesStop", {type("stirrup_diameter", "12"), kCalculate, hoops("150")},
     {"计算中断：箍板宽度未定：梁箍筋无需加固，未算出梁侧U型钢板的宽度bu，无法确定U型箍板的个数",
      "实际锚固长度不足，钢板拉力 79848␣N 中混凝土承担不了的部分无U型箍板承担（箍板宽度未定），不满足",
      "钢板端部锚固区U型箍板：（本次计算未写入此栏）"},
     false},
    {"WidthEditThatStops", {kCalculate, width("1e400")},
     {"计算中断：实选宽度中断：溢出"},
     false},
    {"ResultFieldTypedOver", {kCalculate, type("bottom_plate", "手改")},
     {"梁底钢板：手改（计算结果为“A3号钢:4(厚)X131(宽)”，此栏在计算后被修改）"}},
    {"CrackLimitGiven", {kCalculate}, {"裂缝宽度限值 [w] = 0.03␣mm（计算书信息）", "裂缝宽度 0.038␣mm > 限值 0.03␣mm，不满足"},
     true, "0.03"},
    {"CrackLimitThatIsNoPositiveNumber", {kCalculate}, {"裂缝宽度限值 [w] = 0.3␣mm（计算书信息中的“−0.2”不是正数，按默认值）"},
     true, "−0.2"},
    {"AnchorageFilledInByTheBoxNeedsNoHoops",
     {type("concrete_grade", "C15"), kCalculate, tick("short_anchorage_on"), hoops()},
     {"计算锚固长度（按计算锚固长度栏所示） l_{a} = 229.333333333333␣mm",
      "l_{a,act} − l_{a} = 229.333333333333 − 229.333333333333 = 0 ≥ 0，无需加箍"}},
    {"AnchorageOneDigitShortNeedsHoops",
     {type("concrete_grade", "C15"), kCalculate, hoops("229.33333333333")},
     {"l_{a,act} − l_{a} = 229.33333333333 − 229.333333333333 = −3.013×10^{−12} < 0，需加箍"}},
    {"WorkedOutValuesKeepTheFiguresThatDecideARounding", {type("moment", "50.2"), kCalculate},
     {"裂缝宽度 w = ⌊1000 × w_{max}⌋ / 1000 = ⌊1000 × 0.038996⌋ / 1000 = 0.038␣mm"}},
    {"PsiJustAboveOne", {type("moment", "369.2"), kCalculate},
     {"应变不均匀系数 ψ = 1.1 − 0.65 × f_{tk} / ρ_{te} / σ_{s} = 1.1 − 0.65 × 1.5 / 0.02593 / 376 = 1.00001",
      "ψ > 1，取 ψ = 1"}},
    {"PsiJustAboveItsLowerBoundStays", {type("moment", "52.74"), kCalculate},
     {"应变不均匀系数 ψ = 1.1 − 0.65 × f_{tk} / ρ_{te} / σ_{s} = 1.1 − 0.65 × 1.5 / 0.02593 / 53.71 = 0.4"}},
    {"PsiBetweenItsBounds", {type("moment", "150"), kCalculate},
     {"最大裂缝宽度 w_{max} = 2.1 × ψ × σ_{s} × (2.7 × c + D / ρ_{te}) × ν / E_{s} = "
      "2.1 × 0.8539 × 152.8 × (2.7 × 25 + 4.978 / 0.02593) × 0.7 / 200000 = 0.2487␣mm"}},
    {"ActualLengthTypedWithItsUnit", {kCalculate, hoops("150mm")},
     {"实际锚固长度（输入“150mm”） l_{a,act} = 150␣mm", "实际锚固长度：150mm"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Runs, ReportRun, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace platewise::testing
