// The calculation report written from the handlers' record: the whole report
// of the default beam against a kept copy, and for varied runs the lines that
// show their branch and a results summary equal to the result fields.

#include "report_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

#include "form_handlers.h"
#include "headless_form.h"

namespace platewise::testing {
namespace {

// What the engineer does, one act at a time.
struct Act {
  enum Kind { Type, Pick, Tick, Calculate, EditWidth, Hoops } kind;
  std::string role = {};
  std::string text = {};
};
const Act kCalculate{Act::Calculate};

// A window's worth of engine, driven by acts.
struct Window {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers{state, form};

  void act(const std::vector<Act>& acts) {
    for (const Act& a : acts) {
      try {
        switch (a.kind) {
          case Act::Type:
            form.type(a.role, a.text);
            break;
          case Act::Pick:
            form.pick(a.role, std::stoi(a.text));
            break;
          case Act::Tick:
            form.tick(a.role, true);
            break;
          case Act::Calculate:
            handlers.calculate();
            break;
          case Act::EditWidth:
            form.type("selected_width", a.text);
            handlers.selected_width_edited();
            break;
          case Act::Hoops:
            form.type("actual_anchorage", a.text);
            handlers.size_hoop_plates();
            break;
        }
      } catch (const CalcError&) {
        // The report says where the run stopped.
      }
    }
  }
  ReportModel report() const {
    std::optional<ReportModel> model = report_model(handlers.record(), form);
    EXPECT_TRUE(model.has_value());
    return model.value_or(ReportModel{});
  }
};

// The date, the time and the version change; the rest must not.
std::string masked(const std::string& text) {
  static const std::regex kTime("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d");
  static const std::regex kVersion("Platewise [0-9.]+");
  return std::regex_replace(std::regex_replace(text, kTime, "<时间>"), kVersion,
                            "Platewise <版本>");
}

TEST(ReportTest, DefaultBeamMatchesTheKeptReport) {
  Window w;
  EXPECT_FALSE(report_model(w.handlers.record(), w.form).has_value());
  w.act({kCalculate});
  std::ifstream kept(PLATEWISE_TEST_DATA "/default_report.txt");
  std::stringstream expected;
  expected << kept.rdbuf();
  const ReportModel model = w.report();
  EXPECT_EQ(masked(plain_text(model)), expected.str());
  EXPECT_TRUE(model.complete);
}

TEST(ReportTest, EachRunShowsItsBranchAndASummaryEqualToTheResultFields) {
  const struct {
    const char* what;
    std::vector<Act> acts;
    std::vector<std::string> lines;  // each found whole in the report
    bool complete = true;
  } cases[] = {
      {"redistribution leaves the top without a plate",
       {{Act::Tick, "redistribution_on"}, kCalculate},
       {"移至梁底的面积 ΔA = As,req' × (100 − β) / 100 = 1200 × (100 − 75) / 100 = 300 mm²",
        "As,req' ≤ As'：900 ≤ 981.25，梁面无需加固，实选宽度为 0"}},
      {"no plates and stirrups enough; the anchorage field keeps its old text",
       {{Act::Type, "bottom_area_req", "14.71875"},
        {Act::Type, "top_area_req", "1"},
        {Act::Type, "stirrup_diameter", "12"},
        {Act::Type, "anchorage", "old"},
        kCalculate},
       {"As,req ≤ As：1471.875 ≤ 1471.875，梁底无需加固，实选宽度为 0",
        "梁底无需加固，裂缝验算不计钢板：Aa = 0",
        "Asv,req ≤ Asv：1200 ≤ 2260.8 mm²/m，梁箍筋无需加固",
        "箍筋：dv = 12 mm ≥ 12 mm，fyv = 310 N/mm²",
        "计算锚固长度(mm)：old（本次计算未写入此栏，为此前的内容）"}},
      {"U plates too tall",
       {{Act::Type, "u_plate_spacing", "301"}, kCalculate},
       {"Lu > Lu,max：451.5 > 450，Lu太大，请加密箍板间距"}},
      {"ψ above 1 and a negative cover term",
       {{Act::Type, "moment", "400"}, {Act::Type, "cover", "-5"}, kCalculate},
       {"ψ > 1，取 ψ = 1", "有效高度 h0 = h − a = 600 − (-5) = 605 mm"}},
      {"stopped in the first crack check",
       {{Act::Type, "moment", ""}, kCalculate},
       {"应变不均匀系数 ψ = 1.1 − 0.65 × ftk / ρte / σs = 1.1 − 0.65 × 1.5 / 0.025913 / 0 = "
        "…（计算在此中断）",
        "计算中断：裂缝验算中断：除数为零", "梁面钢板：（本次计算未写入此栏）"},
       false},
      {"stopped at the stirrup spacing",
       {{Act::Type, "stirrup_spacing", ""}, kCalculate},
       {"现有箍筋面积 Asv = dv² × 0.785 × nv × 1000 / s = 8² × 0.785 × 2 × 1000 / 0 = "
        "…（计算在此中断）",
        "计算中断：箍筋面积中断：除数为零"},
       false},
      {"unlisted and picked materials",
       {{Act::Type, "concrete_grade", "C45"},
        {Act::Pick, "bottom_bar_grade", "0"},
        {Act::Type, "stirrup_diameter", "11.9"},
        kCalculate},
       {"砼强度等级“C45”不在列表中，按C20计算",
        "混凝土（C20）：fc = 10 N/mm²，fcv = 1.75 N/mm²，ftk = 1.5 N/mm²",
        "梁底钢筋（I级）：fy = 210 N/mm²，Es = 210000 N/mm²，粘结特性系数 ν = 1",
        "箍筋：dv = 11.9 mm < 12 mm，fyv = 210 N/mm²"}},
      {"U plate width just under a half rounds down",
       {{Act::Type, "stirrup_area_req", "1.199"}, kCalculate},
       {"实选 bu = ⌊bu + 0.5⌋ = 23 mm（四舍五入取整）",
        "梁侧U型钢板：3(厚)X23(宽bu)X150(高Lu)@100"}},
      {"inputs changed after the run",
       {kCalculate, {Act::Type, "beam_width", "300"}, {Act::Tick, "redistribution_on"}},
       {"注意：计算后以下输入已修改，本计算书对应修改前的输入：梁宽(mm)、梁面筋调幅。"}},
      {"width edited, then hoops by the second formula",
       {kCalculate, {Act::EditWidth, "", "200"}, {Act::Hoops, "", "150"}},
       {"9 修改实选宽度后的裂缝验算", "计算后实选宽度改为“200”，裂缝重新验算：",
        "3.6 × b = 3.6 × 250 = 900 > 2 × fcv × Lu = 2 × 1.75 × 150 = 525，按第二式",
        "10 钢板端部锚固区U型箍板",
        "箍板数 n' = N / 3.6 / b / bu = 139187.5 / 3.6 / 250 / 23.5383290267011 = 6.57025303717798",
        "U型箍板：6个3(厚)X24(宽bu)X150(高Lu)@100", "实际锚固长度(mm)：150"}},
      {"hoops by the first formula, then the width edited",
       {{Act::Type, "u_plate_spacing", "200"},
        kCalculate,
        {Act::Hoops, "", "150"},
        {Act::EditWidth, "", "140"}},
       {"3.6 × b = 3.6 × 250 = 900 ≤ 2 × fcv × Lu = 2 × 1.75 × 300 = 1050，按第一式",
        "箍板数（向下取整） n = ⌊n'⌋ = ⌊5.38449706214453⌋ = 5 个", "9 钢板端部锚固区U型箍板",
        "10 修改实选宽度后的裂缝验算"}},
      {"anchorage long enough",
       {kCalculate, {Act::Hoops, "", "172"}},
       {"La − la = 172 − 172 ≥ 0，无需加箍"}},
      {"concrete carries the plate force",
       {kCalculate, {Act::EditWidth, "", "0"}, {Act::Hoops, "", "150"}},
       {"N ≤ 0：混凝土已足以承担钢板拉力，无需加箍"}},
      {"hoops without side U plates stop",
       {{Act::Type, "stirrup_diameter", "12"}, kCalculate, {Act::Hoops, "", "150"}},
       {"计算中断：U型箍板中断：除数为零", "钢板端部锚固区U型箍板：（本次计算未写入此栏）"},
       false},
      {"width edit that stops",
       {kCalculate, {Act::EditWidth, "", "1e400"}},
       {"计算中断：实选宽度中断：溢出"},
       false},
      {"result field typed over",
       {kCalculate, {Act::Type, "bottom_plate", "手改"}},
       {"梁底钢板：手改（计算结果为“A3号钢:4(厚)X131(宽)”，此栏在计算后被修改）"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Window w;
    w.act(c.acts);
    const ReportModel model = w.report();
    const std::string text = plain_text(model);
    bool stale = false;  // a notice is expected only where a case names it
    for (const std::string& line : c.lines) {
      EXPECT_NE(("\n" + text).find("\n" + line + "\n"), std::string::npos) << line << "\n" << text;
      stale = stale || line.starts_with("注意");
    }
    EXPECT_EQ(model.stale_notice.empty(), !stale);
    EXPECT_EQ(text.find("（计算在此中断）") == std::string::npos, c.complete);
    EXPECT_EQ(model.complete, c.complete);
    EXPECT_EQ(text.find("计算未完成") != std::string::npos, !c.complete);

    const ReportSection& summary = model.sections.back();
    ASSERT_EQ(summary.title, kSummaryTitle);
    const bool hoops = w.handlers.record().hoops.has_value();
    std::size_t row = 0;
    for (const ResultField& field : result_fields()) {
      const bool hoop_field = field.key == "actual_anchorage" || field.key == "hoop_plates";
      if (hoop_field && !hoops) continue;
      ASSERT_LT(row, summary.rows.size());
      EXPECT_EQ(summary.rows[row].label, field.label);
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
  }
}

}  // namespace
}  // namespace platewise::testing
