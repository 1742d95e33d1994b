// The report of one state of the window: title block, symbols, inputs,
// materials, the steps (report_steps.cpp), a results summary taken from the
// result fields as they are now, and the conclusion.

#include "report_model.h"

#include <algorithm>
#include <ctime>

#include "form_access.h"
#include "number_rules.h"
#include "program_version.h"
#include "report_info_fields.h"
#include "report_lines.h"
#include "report_numbers.h"
#include "report_text.h"
#include "section_sketch.h"

namespace platewise {

namespace {

std::string local_time_text(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

// A field's text as the form shows it; check boxes as "1" or "0".
std::string form_text(const FormAccess& form, const InputField& field) {
  if (field.kind == FieldKind::Check) return form.check_value(field.key) == 1 ? "1" : "0";
  return form.text(field.key);
}

void input_section(report::Writer& writer, const CalculateRun& calc) {
  ReportSection& section = writer.add_section("输入数据", SectionKind::Inputs);
  const std::span<const InputField* const> fields = calculate_inputs();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const bool check = fields[i]->kind == FieldKind::Check;
    section.rows.push_back({report_label(fields[i]->label),
                            check ? (calc.inputs[i] == "1" ? "是" : "否") : calc.inputs[i], ""});
  }
}

// 符号说明: each quantity the lines show, in the order of the catalogue; a
// symbol that stands for two quantities (ψ before and after its bounds) once.
void fill_symbols(ReportSection& section, const report::Writer& writer) {
  std::vector<std::string_view> seen;
  for (const Quantity& q : quantities()) {
    if (!writer.shown.test(static_cast<std::size_t>(q.id))) continue;
    if (std::ranges::find(seen, q.symbol) != seen.end()) continue;
    seen.push_back(q.symbol);
    std::string meaning(q.meaning);
    if (!q.unit.empty()) meaning.append("（").append(q.unit).append("）");
    section.rows.push_back({std::string(q.symbol), std::move(meaning), ""});
  }
}

// The row a material list stood for: its picked item, or its start text when none is picked.
std::string row_name(std::string_view key, int index) {
  const InputField& list = *input_by_key(key);
  if (index >= 0 && static_cast<std::size_t>(index) < list.items.size()) {
    return std::string(list.items[static_cast<std::size_t>(index)]);
  }
  return std::string(list.start_text);
}

void material_section(report::Writer& writer, report::TraceReader& main) {
  ReportSection& section = writer.add_section("材料", SectionKind::Materials);
  const CalculateRun& calc = writer.design.calculate;
  const Trace& t = calc.trace;
  const auto v = [&](Q id) {
    writer.shown.set(static_cast<std::size_t>(id));
    std::string text =
        std::string(quantity(id).symbol) + " = " + value_text(id, t.value(id).value_or(0));
    if (!quantity(id).unit.empty()) text.append(kNbsp).append(quantity(id).unit);
    return text;
  };
  const MaterialPicks& p = calc.picks;
  section.lines = {
      {"梁底钢筋（" + row_name(role::bottom_bar_grade, p.bottom_grade) + "）：" + v(Q::fy_b) +
       "，" + v(Q::es) + "，粘结特性系数 " + v(Q::nu)},
      {"梁面钢筋（" + row_name(role::top_bar_grade, p.top_grade) + "）：" + v(Q::fy_t)},
      {"混凝土（" + row_name(role::concrete_grade, p.concrete) + "）：" + v(Q::fc) + "，" +
       v(Q::fcv) + "，" + v(Q::ftk)},
      {"钢板（" + row_name(role::plate_steel, p.plate_steel) + "）：" + v(Q::fa)},
  };
  if (const std::optional<bool> thin = t.decision(Decision::ThinStirrups)) {
    section.lines.push_back(
        {"箍筋：" + v(Q::dv) + (*thin ? " < " : " ≥ ") + "12" + kNbsp + "mm，" + v(Q::fyv)});
  }
  report::Lines out(writer, section, main);
  out.checks_after(Q::count_);
}

// What the handlers on record wrote into a result field; nothing where they
// did not write it (the field keeps an earlier text). The selected width
// counts as last typed, and the actual anchorage length as the hoop run read it.
const std::string* written_text(const DesignTrace& design, std::string_view key) {
  if (key == role::bottom_width && design.width_edit) return &design.width_edit->typed;
  if (key == role::actual_anchorage) return design.hoops ? &design.hoops->actual_typed : nullptr;
  return design.written.find(key);
}

// 结果汇总 shows each field's text as the window does and states every unit
// once: in the text where the field carries it ("172mm", the label losing its
// "(mm)"), else in the label (the widths, bare numbers: "梁底钢板实选宽度(mm)").
std::string summary_label(const ResultField& field, std::string_view text) {
  std::string label(field.label);
  if (field.key == role::bottom_width || field.key == role::top_width) label += "(mm)";
  const std::size_t open = label.rfind('(');
  if (open == std::string::npos || !label.ends_with(')')) return label;
  const std::string_view unit = std::string_view(label).substr(open + 1, label.size() - open - 2);
  return text.ends_with(unit) ? label.substr(0, open) : label;
}

void summary_section(ReportModel& report, const DesignTrace& design,
                     std::span<const std::string> shown) {
  ReportSection& section = report.sections.emplace_back();
  section.title = kSummaryTitle;
  section.kind = SectionKind::Summary;
  const std::span<const ResultField> fields = result_fields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const ResultField& field = fields[i];
    const bool hoop_field = field.key == role::actual_anchorage || field.key == role::hoop_plates;
    if (hoop_field && !design.hoops) continue;  // no hoop plates since the last Calculate
    const std::string& text = shown[i];
    ReportRow row{summary_label(field, text), text, ""};
    const std::string* written = written_text(design, field.key);
    if (written == nullptr) {
      row.note = text.empty() ? "本次计算未写入此栏" : "本次计算未写入此栏，为此前的内容";
    } else if (*written != text) {
      row.note = "计算结果为“" + *written + "”，此栏在计算后被修改";
    }
    section.rows.push_back(std::move(row));
  }
}

// The error that left the report incomplete: the first run's that stopped.
std::optional<CalcError> first_error(const DesignTrace& design) {
  if (design.calculate.error) return design.calculate.error;
  if (design.width_edit && design.width_edit->error) return design.width_edit->error;
  if (design.hoops && design.hoops->error) return design.hoops->error;
  return std::nullopt;
}

// The checks of `verdict` by name, each with the section it stands in: "裂缝宽度（第 9 项）".
std::string named_checks(const report::Writer& writer, Verdict verdict) {
  std::string names;
  for (std::size_t i = 0; i < writer.report.checks.size(); ++i) {
    const DesignCheck& check = writer.report.checks[i];
    if (check.verdict != verdict) continue;
    if (!names.empty()) names += "、";
    names += check_rule(check.key).name;
    if (writer.check_sections[i] > 0) {
      names += "（第 " + std::to_string(writer.check_sections[i]) + " 项）";
    }
  }
  return names;
}

// The sentence that closes the beam.
ReportLine closing_line(const report::Writer& writer) {
  const ReportModel& report = writer.report;
  if (!report.complete) {
    const std::optional<CalcError> error = first_error(writer.design);
    return {"计算未完成：" + (error ? describe(*error) : std::string("程序发生意外错误")),
            Verdict::NotSatisfied, true};
  }
  if (worst_verdict(report.checks) == Verdict::NotSatisfied) {
    return {"本构件加固设计不满足要求：" + named_checks(writer, Verdict::NotSatisfied),
            Verdict::NotSatisfied};
  }
  std::string line = "本构件加固设计满足要求";
  if (const std::string notes = named_checks(writer, Verdict::Attention); !notes.empty()) {
    line += "；注意" + notes;
  }
  if (const std::string rounded = named_checks(writer, Verdict::Rounding); !rounded.empty()) {
    line += "；" + rounded + "仅因宽度向下取整略小于所需";
  }
  return {line, Verdict::Satisfied};
}

// 结论: every check with its word, 不满足 first, then the sentence that closes the beam.
void conclusion_section(const report::Writer& writer, ReportModel& report) {
  ReportLine closing = closing_line(writer);
  ReportSection& section = report.sections.emplace_back();
  section.title = kConclusionTitle;
  section.kind = SectionKind::Conclusion;
  if (!report.complete) section.lines.push_back({"计算未完成，未算到的项目未验算。", {}, true});
  if (report.checks.empty()) section.lines.push_back({"没有已验算的项目。"});
  for (const DesignCheck* check : by_weight(report.checks)) {
    section.lines.push_back(report::check_line(*check));
  }
  section.lines.push_back(std::move(closing));
}

void title_block(ReportModel& report, const CalculateRun& calc, const ReportInfo& info) {
  report.info = info;
  for (const std::string& part : {info.project, info.member, std::string("计算书")}) {
    if (part.empty()) continue;
    if (!report.running_header.empty()) report.running_header += ' ';
    report.running_header += part;
  }
  report.title = "计算书";
  report.codes = {"《混凝土结构加固技术规范》CECS 25:90：粘钢加固的计算",
                  "《混凝土结构设计规范》GBJ 10-89：裂缝宽度公式、材料强度"};
  report.basis = "编制依据：《混凝土结构加固技术规范》CECS 25:90；《混凝土结构设计规范》GBJ 10-89";
  report.program = std::string("计算程序：") + kProgramName + " " + kProgramVersion;
  const std::string when = local_time_text(calc.started);
  report.calculated_at = "计算时间：" + when;
  report.date = when.substr(0, when.find(' '));
}

}  // namespace

std::vector<const InputField*> changed_inputs(const DesignTrace& design, const FormAccess& form) {
  std::vector<const InputField*> changed;
  if (!design.calculated) return changed;
  const std::span<const InputField* const> fields = calculate_inputs();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (form_text(form, *fields[i]) != design.calculate.inputs[i]) changed.push_back(fields[i]);
  }
  if (design.hoops && form.text(role::actual_anchorage) != design.hoops->actual_typed) {
    changed.push_back(input_by_key(role::actual_anchorage));
  }
  return changed;
}

std::optional<ReportModel> report_model(const DesignTrace& design,
                                        std::span<const std::string> shown,
                                        std::span<const InputField* const> changed,
                                        const ReportInfo& info) {
  if (!design.calculated) return std::nullopt;
  const CalculateRun& calc = design.calculate;
  ReportModel report;
  title_block(report, calc, info);
  report.complete = calc.finished && !(design.width_edit && design.width_edit->error) &&
                    !(design.hoops && !design.hoops->finished);
  if (!changed.empty()) {
    report.stale_notice = "注意：计算后以下输入已修改，本计算书对应修改前的输入：";
    for (std::size_t i = 0; i < changed.size(); ++i) {
      report.stale_notice.append(i == 0 ? "" : "、").append(changed[i]->label);
    }
    report.stale_notice += "。";
  }
  report.checks = design_checks(design, info);
  report::Writer writer(report, design, info);
  report::TraceReader main{calc.trace, RunPart::Calculate};
  input_section(writer, calc);
  writer.add_section(kSymbolsTitle, SectionKind::Symbols);
  const std::size_t symbols = report.sections.size() - 1;
  material_section(writer, main);
  report::add_calculate_steps(writer);
  report::add_later_handlers(writer);
  summary_section(report, design, shown);
  conclusion_section(writer, report);
  fill_symbols(report.sections[symbols], writer);
  report.sketch = section_sketch(design);
  if (const std::optional<double> used = calc.trace.value(Q::la_used)) {
    report.anchorage_used = number_text(*used) + "mm";
  }
  return report;
}

std::optional<ReportModel> report_model(const DesignTrace& design, const FormAccess& form,
                                        const ReportInfo& info) {
  std::vector<std::string> shown;
  for (const ResultField& field : result_fields()) shown.push_back(form.text(field.key));
  return report_model(design, shown, changed_inputs(design, form), info);
}

std::string plain_text(const ReportModel& report) {
  std::string text = report.stale_notice.empty() ? "" : report.stale_notice + "\n";
  text += report.title + "\n";
  if (!report.info.project.empty()) text += "工程名称：" + report.info.project + "\n";
  if (!report.info.member.empty()) text += "构件编号：" + report.info.member + "\n";
  text += report.basis + "\n" + report.program + "\n" + report.calculated_at + "\n";
  const auto name_of = [&](const ReportInfoField& signer) { return report.info.*signer.text; };
  if (std::ranges::any_of(kSigners, [&](const auto& s) { return !name_of(s).empty(); })) {
    for (const ReportInfoField& signer : kSigners) {
      text += (&signer == kSigners.data() ? "" : "　") + std::string(signer.label) + "：" +
              name_of(signer);
    }
    text += "\n";
  }
  if (!report.complete) text += "计算未完成\n";
  for (const ReportSection& section : report.sections) {
    text += "\n" + section.title + "\n";
    for (const ReportRow& row : section.rows) {
      text += row.label + "：" + row.text;
      if (!row.note.empty()) text += "（" + row.note + "）";
      text += "\n";
    }
    for (const ReportLine& line : section.lines) text += line.text + "\n";
  }
  return text;
}

}  // namespace platewise
