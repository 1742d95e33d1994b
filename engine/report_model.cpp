// The report of one state of the window: heading, inputs, materials, the
// steps (report_steps.cpp), and a results summary taken from the result
// fields as they are now.

#include "report_model.h"

#include <algorithm>
#include <ctime>

#include "form_access.h"
#include "number_rules.h"
#include "program_version.h"
#include "report_lines.h"
#include "result_texts.h"

namespace platewise {

using report::add_section;
using report::num;

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

void input_section(ReportModel& report, const CalculateRecord& calc) {
  ReportSection& section = add_section(report, "输入数据");
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

void material_section(ReportModel& report, const CalculateRecord& calc) {
  ReportSection& section = add_section(report, "材料");
  const CalculateRecord::Materials& m = calc.materials;
  const std::span<const InputField* const> lists = material_lists();
  const std::string unit = " N/mm²";
  section.lines = {
      {"梁底钢筋（" + row_name(*lists[0], m.bottom_grade) + "）：fy = " + num(m.fy_bottom) + unit +
       "，Es = " + num(m.es_bottom) + unit + "，粘结特性系数 ν = " + num(m.nu)},
      {"梁面钢筋（" + row_name(*lists[1], m.top_grade) + "）：fy' = " + num(m.fy_top) + unit},
      {"混凝土（" + row_name(*lists[2], m.concrete) + "）：fc = " + num(m.fc) + unit +
       "，fcv = " + num(m.fcv) + unit + "，ftk = " + num(m.ftk) + unit},
      {"钢板（" + row_name(*lists[3], m.plate_steel) + "）：fa = " + num(m.fa) + unit},
  };
  const CalculateRecord::Section& s = calc.section;
  if (s.fyv) {
    section.lines.push_back({"箍筋：dv = " + num(s.stirrup_d) + " mm" +
                             (*s.stirrup_d < 12 ? " < " : " ≥ ") + "12 mm，fyv = " + num(s.fyv) +
                             unit});
  }
  for (const InputField* list : lists) {
    const std::string notice = unlisted_material_notice(*list, report::input_text(calc, list->key));
    if (!notice.empty()) section.lines.push_back({notice});
  }
}

// What the handlers on record wrote into a result field; nothing where they
// did not write it (the field keeps an earlier text).
std::optional<std::string> written_text(const CalcRecord& record, std::string_view key) {
  const CalculateRecord& calc = record.calculate;
  const std::string& steel = report::input_text(calc, role::plate_steel);
  const auto plate = [&](const PlateRecord& p, const char* none) -> std::optional<std::string> {
    if (!p.needed) return std::nullopt;
    if (!*p.needed) return std::string(none);
    if (!p.width) return std::nullopt;
    return plate_result_text(steel, *calc.section.t, shown_width_text(*p.width));
  };
  const auto width = [&](const PlateRecord& p) -> std::optional<std::string> {
    if (!p.needed) return std::nullopt;
    if (!*p.needed) return std::string("0");
    if (!p.width) return std::nullopt;
    return shown_width_text(*p.width);
  };
  if (key == role::bottom_plate) return plate(calc.bottom, "梁底无需加固");
  if (key == role::top_plate) return plate(calc.top, "梁面无需加固");
  if (key == role::top_width) return width(calc.top);
  if (key == role::bottom_width) {
    return record.width_edit ? record.width_edit->typed : width(calc.bottom);
  }
  if (key == role::anchorage) {
    const Noted& la = calc.top.anchor_length ? calc.top.anchor_length : calc.bottom.anchor_length;
    if (la) return number_text(*la) + "mm";
  }
  if (key == role::side_u_plates && calc.u_plates.outcome) {
    const SideUPlateRecord& u = calc.u_plates;
    if (u.outcome == SideUPlateRecord::Outcome::NotNeeded) return "梁箍筋无需加固";
    if (u.outcome == SideUPlateRecord::Outcome::LuTooLarge) return "Lu太大，请加密箍板间距";
    return u_plate_result_text(*u.t, *u.bu, *u.lu, *u.s);
  }
  if (key == role::crack_width && record.shown_crack_width) {
    return number_text(*record.shown_crack_width);
  }
  if (key == role::actual_anchorage && record.hoops) return record.hoops->actual_typed;
  if (key == role::hoop_plates && record.hoops && record.hoops->finished) {
    const HoopRecord& h = *record.hoops;
    if (!h.count) return "无需加箍";
    return number_text(*h.count) + "个" + u_plate_result_text(*h.u_t, *h.u_bu, *h.lu, *h.u_s);
  }
  return std::nullopt;
}

void summary_section(ReportModel& report, const CalcRecord& record, const FormAccess& form) {
  ReportSection& section = report.sections.emplace_back();
  section.title = kSummaryTitle;
  for (const ResultField& field : result_fields()) {
    const bool hoop_field = field.key == role::actual_anchorage || field.key == role::hoop_plates;
    if (hoop_field && !record.hoops) continue;  // no hoop plates since the last Calculate
    ReportRow row{std::string(field.label), form.text(field.key), ""};
    const std::optional<std::string> written = written_text(record, field.key);
    if (!written) {
      row.note = row.text.empty() ? "本次计算未写入此栏" : "本次计算未写入此栏，为此前的内容";
    } else if (*written != row.text) {
      row.note = "计算结果为“" + *written + "”，此栏在计算后被修改";
    }
    section.rows.push_back(std::move(row));
  }
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
  report.info = info;
  for (const std::string& part : {info.project, info.member, std::string("计算书")}) {
    if (part.empty()) continue;
    if (!report.running_header.empty()) report.running_header += ' ';
    report.running_header += part;
  }
  report.title = "计算书";
  report.basis = "编制依据：混凝土结构加固技术规范 CECS 25:90";
  report.program = std::string("计算程序：") + kProgramName + " " + kProgramVersion;
  report.calculated_at = "计算时间：" + local_time_text(calc.started);
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
  input_section(report, calc);
  material_section(report, calc);
  report::add_calculate_steps(report, record);
  report::add_later_handlers(report, record);
  summary_section(report, record, form);
  report.sketch = section_sketch(record);
  return report;
}

std::string_view verdict_word(Verdict verdict) {
  switch (verdict) {
    case Verdict::Satisfied:
      return "满足";
    case Verdict::Attention:
      return "注意";
    case Verdict::NotSatisfied:
      break;
  }
  return "不满足";
}

std::string plain_text(const ReportModel& report) {
  std::string text = report.stale_notice.empty() ? "" : report.stale_notice + "\n";
  text += report.title + "\n" + report.basis + "\n" + report.program + "\n" + report.calculated_at +
          "\n";
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
