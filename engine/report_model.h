#pragma once
// The calculation report (计算书) of one state of the window, as Chinese text
// in sections: written from the handlers' traces only when the report is
// shown or saved. The window, the files and the printer lay it out;
// plain_text() gives it as lines. Texts carry the marks of report_text.h
// (subscripts, superscripts); units follow their value after U+00A0.
//
// The sections, in order, numbered up to the summary: "1 输入数据" (the
// inputs as typed), "2 符号说明" (a table of the symbols), "3 材料", each step
// of the run with its formulas and checks, where a run stopped; then
// 结果汇总 (the result fields as they are) and 结论 (every check with its
// verdict, 不满足 first), without numbers.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design_checks.h"
#include "design_trace.h"
#include "report_info.h"
#include "section_sketch.h"
#include "verdict.h"

namespace platewise {

class FormAccess;

struct ReportRow {
  std::string label;  // "梁宽(mm)"; in 符号说明 the symbol, "A_{s,b}"
  std::string text;   // "250", exactly as in the field; in 符号说明 the meaning
  std::string note;   // a remark; empty for most rows
  std::optional<Verdict> verdict = {};  // set on the rows of checks
};

struct ReportLine {
  std::string text;                     // a formula, a comparison or a conclusion
  std::optional<Verdict> verdict = {};  // set on a check's line, which ends with the verdict's word
  bool alert = false;                   // where and why a run stopped

  bool operator==(const ReportLine&) const = default;
};

// What a section holds, so that a book can gather what its chapters share.
enum class SectionKind {
  Inputs,      // 输入数据: the inputs as typed
  Symbols,     // 符号说明: the symbols the steps use
  Materials,   // 材料: the material rows looked up
  Step,        // a step of a handler, with its formulas and checks
  Summary,     // 结果汇总
  Conclusion,  // 结论
};

struct ReportSection {
  std::string title;              // "5 梁底钢板"
  std::vector<ReportRow> rows;    // a table of label and text (inputs, symbols, results)
  std::vector<ReportLine> lines;  // formulas and conclusions, in the order of the run
  SectionKind kind = SectionKind::Step;
};

struct ReportModel {
  ReportInfo info;             // project, member, signatures and crack limit, as given
  std::string running_header;  // at the top of every page: "工程名称 构件编号 计算书"
  std::string title;           // "计算书"
  std::string basis;  // "编制依据：《混凝土结构加固技术规范》CECS 25:90；…", the codes on one line
  std::vector<std::string> codes;       // the same codes one by one, each with what it is used for
  std::string program;                  // "计算程序：Platewise 1.0.0"
  std::string calculated_at;            // "计算时间：2026-12-07 10:15:08"
  std::string date;                     // "2026-12-07": the day of the run, for the title block
  bool complete = true;                 // false: the report is marked 计算未完成
  std::string stale_notice;             // set when inputs changed after the run
  std::vector<ReportSection> sections;  // inputs, 符号说明, the steps, 结果汇总, 结论
  std::vector<DesignCheck> checks;      // the checks listed, in the order of the run
  std::optional<SectionSketch> sketch;  // the section sketch (截面简图), once the plates were sized
  // 取用锚固长度: the calculated anchorage length as its field shows it, rounded up to
  // whole millimetres ("115mm"); empty when no plate was sized.
  std::string anchorage_used;
};

// The report of the last Calculate run with what followed it, for the
// project, member, signatures and crack limit of `info`; nothing before any
// run. The trace must keep its formulas. `shown` gives the texts of the
// result fields as they are now (result_fields() order); `changed` the
// inputs typed over since.
std::optional<ReportModel> report_model(const DesignTrace& design,
                                        std::span<const std::string> shown,
                                        std::span<const InputField* const> changed,
                                        const ReportInfo& info);
// The same for the window's form.
std::optional<ReportModel> report_model(const DesignTrace& design, const FormAccess& form,
                                        const ReportInfo& info = {});

// The inputs the report shows whose text in the form differs from the one
// the report was written with; empty while the report is current.
std::vector<const InputField*> changed_inputs(const DesignTrace& design, const FormAccess& form);

// The report as plain text, one line per heading, table row or formula;
// marks stay as written ("A_{s,b}").
std::string plain_text(const ReportModel& report);

// Section titles: the table of symbols (after its number), the summary and the conclusion.
inline constexpr const char* kSymbolsTitle = "符号说明";
inline constexpr const char* kSummaryTitle = "结果汇总";
inline constexpr const char* kConclusionTitle = "结论";
// How the line that says where and why a run stopped begins (the line is an alert).
inline constexpr const char* kStopPrefix = "计算中断：";

}  // namespace platewise
