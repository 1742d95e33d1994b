// The report of one state of the window: title block, symbols, inputs,
// materials, the steps (report_steps.cpp), a results summary taken from the
// result fields as they are now, and the conclusion.

#include "report_model.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "form_access.h"
#include "number_rules.h"
#include "program_version.h"
#include "report_info_fields.h"
#include "report_lines.h"
#include "report_numbers.h"

namespace platewise {

using report::exact;

const std::string& report::input_text(const CalculateRecord& calc, std::string_view key) {
  const std::span<const InputField* const> fields = calculate_inputs();
  const auto found = std::ranges::find(fields, key, &InputField::key);
  return calc.inputs[static_cast<std::size_t>(found - fields.begin())];
}

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
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

// A field's text as the form shows it; check boxes as "1" or "0".
std::string form_text(const FormAccess& form, const InputField& field) {
  if (field.kind == FieldKind::Check) return form.check_value(field.key) == 1 ? "1" : "0";
  return form.text(field.key);
}

void input_section(report::Writer& writer, const CalculateRecord& calc) {
  ReportSection& section = writer.add_section("输入数据", SectionKind::Inputs);
  const std::span<const InputField* const> fields = calculate_inputs();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const bool check = fields[i]->kind == FieldKind::Check;
    section.rows.push_back({std::string(fields[i]->label),
                            check ? (calc.inputs[i] == "1" ? "是" : "否") : calc.inputs[i], ""});
  }
}

// The row a material list stood for: its picked item, or its start text when none is picked.
std::string row_name(const InputField& list, int index) {
  if (index >= 0 && static_cast<std::size_t>(index) < list.items.size()) {
    return std::string(list.items[static_cast<std::size_t>(index)]);
  }
  return std::string(list.start_text);
}

void material_section(report::Writer& writer, const CalculateRecord& calc) {
  ReportSection& section = writer.add_section("材料", SectionKind::Materials);
  const CalculateRecord::Materials& m = calc.materials;
  const std::span<const InputField* const> lists = material_lists();
  const std::string unit = std::string(kNbsp) + "N/mm²";
  section.lines = {
      {"梁底钢筋（" + row_name(*lists[0], m.bottom_grade) + "）：f_{y,b} = " + exact(m.fy_bottom) +
       unit + "，E_{s} = " + exact(m.es_bottom) + unit + "，粘结特性系数 ν = " + exact(m.nu)},
      {"梁面钢筋（" + row_name(*lists[1], m.top_grade) + "）：f_{y,t} = " + exact(m.fy_top) + unit},
      {"混凝土（" + row_name(*lists[2], m.concrete) + "）：f_{c} = " + exact(m.fc) + unit +
       "，f_{cv} = " + exact(m.fcv) + unit + "，f_{tk} = " + exact(m.ftk) + unit},
      {"钢板（" + row_name(*lists[3], m.plate_steel) + "）：f_{a} = " + exact(m.fa) + unit},
  };
  const CalculateRecord::Section& s = calc.section;
  if (s.fyv) {
    section.lines.push_back({"箍筋：d_{v} = " + exact(s.stirrup_d) + kNbsp + "mm" +
                             (*s.stirrup_d < 12 ? " < " : " ≥ ") + "12" + kNbsp +
                             "mm，f_{yv} = " + exact(s.fyv) + unit});
  }
  for (const InputField* list : lists) {
    const std::string notice = unlisted_material_notice(*list, report::input_text(calc, list->key));
    if (!notice.empty()) section.lines.push_back({notice});
  }
}

// What the handlers on record wrote into a result field; nothing where they
// did not write it (the field keeps an earlier text). The selected width
// counts as last typed, and the actual anchorage length as the hoop run read it.
const std::string* written_text(const CalcRecord& record, std::string_view key) {
  if (key == role::bottom_width && record.width_edit) return &record.width_edit->typed;
  if (key == role::actual_anchorage) return record.hoops ? &record.hoops->actual_typed : nullptr;
  return record.written.find(key);
}

// "计算锚固长度(mm)" above "172mm" loses its "(mm)": no unit twice.
std::string summary_label(std::string_view label, std::string_view text) {
  const std::size_t open = label.rfind('(');
  if (open == std::string_view::npos || !label.ends_with(')')) return std::string(label);
  const std::string_view unit = label.substr(open + 1, label.size() - open - 2);
  return text.ends_with(unit) ? std::string(label.substr(0, open)) : std::string(label);
}

void summary_section(ReportModel& report, const CalcRecord& record, const FormAccess& form) {
  ReportSection& section = report.sections.emplace_back();
  section.title = kSummaryTitle;
  section.kind = SectionKind::Summary;
  for (const ResultField& field : result_fields()) {
    const bool hoop_field = field.key == role::actual_anchorage || field.key == role::hoop_plates;
    if (hoop_field && !record.hoops) continue;  // no hoop plates since the last Calculate
    const std::string text = form.text(field.key);
    ReportRow row{summary_label(field.label, text), text, ""};
    const std::string* written = written_text(record, field.key);
    if (written == nullptr) {
      row.note = row.text.empty() ? "本次计算未写入此栏" : "本次计算未写入此栏，为此前的内容";
    } else if (*written != row.text) {
      row.note = "计算结果为“" + *written + "”，此栏在计算后被修改";
    }
    section.rows.push_back(std::move(row));
  }
}

// 结论: every check with its word, 不满足 first, then 注意, then 满足.
void conclusion_section(ReportModel& report) {
  ReportSection& section = report.sections.emplace_back();
  section.title = kConclusionTitle;
  section.kind = SectionKind::Conclusion;
  if (!report.complete) section.lines.push_back({"计算未完成，未算到的项目未验算。", {}, true});
  if (report.checks.empty()) section.lines.push_back({"没有已验算的项目。"});
  for (const DesignCheck* check : by_weight(report.checks)) {
    section.lines.push_back(report::check_line(*check));
  }
}

// The anchorage length to build: the calculated one as its field shows it, rounded up.
std::string anchorage_used_text(const CalculateRecord& calc) {
  const Noted& length = calc.top.anchor_length ? calc.top.anchor_length : calc.bottom.anchor_length;
  if (!length) return {};
  return number_text(std::ceil(shown_number(*length))) + "mm";
}

void title_block(ReportModel& report, const CalculateRecord& calc, const ReportInfo& info) {
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

std::vector<const InputField*> changed_inputs(const CalcRecord& record, const FormAccess& form) {
  std::vector<const InputField*> changed;
  if (!record.calculated) return changed;
  const std::span<const InputField* const> fields = calculate_inputs();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (form_text(form, *fields[i]) != record.calculate.inputs[i]) changed.push_back(fields[i]);
  }
  if (record.hoops && form.text(role::actual_anchorage) != record.hoops->actual_typed) {
    changed.push_back(input_by_key(role::actual_anchorage));
  }
  return changed;
}

std::optional<ReportModel> report_model(const CalcRecord& record, const FormAccess& form,
                                        const ReportInfo& info) {
  if (!record.calculated) return std::nullopt;
  const CalculateRecord& calc = record.calculate;
  ReportModel report;
  title_block(report, calc, info);
  report.complete = calc.finished && !(record.width_edit && record.width_edit->error) &&
                    !(record.hoops && !record.hoops->finished);
  const std::vector<const InputField*> changed = changed_inputs(record, form);
  if (!changed.empty()) {
    report.stale_notice = "注意：计算后以下输入已修改，本计算书对应修改前的输入：";
    for (std::size_t i = 0; i < changed.size(); ++i) {
      report.stale_notice.append(i == 0 ? "" : "、").append(changed[i]->label);
    }
    report.stale_notice += "。";
  }
  report.checks = design_checks(record, info);
  report::Writer writer{report, record, info, {}, 0};
  input_section(writer, calc);
  report::add_symbols(writer);
  material_section(writer, calc);
  report::add_calculate_steps(writer);
  report::add_later_handlers(writer);
  summary_section(report, record, form);
  conclusion_section(report);
  report.sketch = section_sketch(record);
  report.anchorage_used = anchorage_used_text(calc);
  return report;
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
