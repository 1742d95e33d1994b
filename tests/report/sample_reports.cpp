#include "sample_reports.h"

#include "form_handlers.h"
#include "headless_form.h"

namespace platewise::testing {

ReportModel default_beam_report(const ReportInfo& info) {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers(state, form);
  handlers.calculate();
  return *report_model(handlers.trace(), form, info);
}

ReportModel sample_report(const std::string& member, bool complete, int formula_lines) {
  ReportModel report;
  report.info = {kProject, member, "张工", "", "", ""};
  report.running_header = std::string(kProject) + " " + member + " 计算书";
  report.title = "计算书";
  report.basis = "编制依据：混凝土结构加固技术规范 CECS 25:90";
  report.program = "计算程序：Platewise 1.0.0";
  report.calculated_at = "计算时间：2026-12-07 10:15";
  report.complete = complete;
  report.sketch = default_beam_report().sketch;
  ReportSection& inputs = report.sections.emplace_back();
  inputs.title = "1 输入数据";
  for (int i = 1; i <= 15; ++i) inputs.rows.push_back({"输入" + std::to_string(i), "330", ""});
  ReportSection& plate = report.sections.emplace_back();
  plate.title = "2 梁底钢板";
  plate.lines = {
      {"钢筋缺额 ΔA_{s,b} = A_{s,req,b} − A_{s,b} = 1800 − 1472 = 328.1 mm^{2}"},
      {"梁底钢板宽 b_{a,b} = 331 mm > b = 330 mm，不满足", Verdict::NotSatisfied},
      {"钢板面积 131 × 4 = 524 mm^{2} < 525.7 mm^{2}，注意", Verdict::Attention},
      {"裂缝宽度 w = 0.047 mm ≤ [w] = 0.3 mm，满足", Verdict::Satisfied},
  };
  ReportSection& steps = report.sections.emplace_back();
  steps.title = "3 裂缝验算";
  for (int i = 1; i <= formula_lines; ++i) {
    steps.lines.push_back({"第 " + std::to_string(i) +
                           " 式 σ_{s} = M × 10^{6} / (0.87 × h_{0} × (A_{a} + A_{s})) = 50 × "
                           "10^{6} / (0.87 × 615 × (525.7 + 1472)) = 46.78 N/mm^{2}"});
  }
  if (!complete) steps.lines.push_back({kStopText, {}, true});
  ReportSection& summary = report.sections.emplace_back();
  summary.title = "结果汇总";
  summary.rows = {{"梁底钢板", "A3号钢:4(厚)X131(宽)", "此栏在计算后被修改"},
                  {"梁底钢板实选宽度", "331", "", Verdict::NotSatisfied}};
  return report;
}

ReportBook sample_book(int beams, int stopped, int formula_lines) {
  ReportBook book;
  book.project = kProject;
  for (int i = 0; i < beams; ++i) {
    const std::string name = "KL-" + std::to_string(i + 1);
    const bool complete = i != stopped;
    book.chapters.push_back(sample_report(name, complete, formula_lines));
    book.members.push_back({name, "A3号钢:4(厚)X131(宽)", "梁面无需加固", "171.5mm", "172mm",
                            "梁箍筋无需加固", "0.038", "",
                            complete ? std::optional(Verdict::Attention) : std::nullopt, complete});
  }
  return book;
}

}  // namespace platewise::testing
