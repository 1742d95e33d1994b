// The report's sections for the steps of the Calculate command and for the
// handlers run after it: each formula in symbols, with the numbers put in,
// and its value, in the order the handlers computed them.

#include "form_access.h"
#include "number_rules.h"
#include "report_lines.h"
#include "result_texts.h"

namespace platewise::report {

std::string num(const Noted& value) {
  if (!value) return "…";
  const std::string text = number_text(*value);
  return *value < 0 ? "(" + text + ")" : text;
}

bool Lines::value(std::string_view what, std::string_view symbol, std::string_view formula,
                  const std::string& numbers, const Noted& value, std::string_view unit) {
  if (stopped_) return false;
  std::string line(what);
  if (!what.empty()) line += ' ';
  line.append(symbol).append(" = ");
  if (!formula.empty()) line.append(formula).append(" = ").append(numbers).append(" = ");
  if (value) {
    line.append(number_text(*value));
    if (!unit.empty()) line.append(" ").append(unit);
  } else {
    line.append("…（计算在此中断）");
    stopped_ = true;
  }
  lines_.push_back({std::move(line)});
  return !stopped_;
}

void Lines::text(std::string line) {
  if (!stopped_) lines_.push_back({std::move(line)});
}

ReportLine stop_line(const std::optional<CalcError>& error) {
  return {kStopPrefix + (error ? describe(*error) : std::string("程序发生意外错误")), {}, true};
}

ReportSection& add_section(ReportModel& report, std::string_view title) {
  ReportSection& section = report.sections.emplace_back();
  section.title = std::to_string(report.sections.size()) + " " + std::string(title);
  return section;
}

namespace {

using Outcome = SideUPlateRecord::Outcome;

// "1800 > 1471.875" or "1800 ≤ 1471.875".
std::string compared(const Noted& left, bool greater, const Noted& right) {
  return num(left) + (greater ? " > " : " ≤ ") + num(right);
}

void crack_lines(Lines& out, const CrackRecord& c) {
  out.value("有效受拉面积", "Ate", "0.5 × b × h", "0.5 × " + num(c.b) + " × " + num(c.h), c.ate,
            "mm²");
  out.read("跨中弯矩标准值", "M", c.moment, "kN·m");
  out.value("钢筋应力", "σs", "M × 10⁶ / (0.87 × h0 × (Aa + As))",
            num(c.moment) + " × 10⁶ / (0.87 × " + num(c.h0) + " × (" + num(c.aa) + " + " +
                num(c.as) + "))",
            c.sigma_s, "N/mm²");
  out.value("配筋率", "ρte", "(0.9 × Aa + As) / Ate",
            "(0.9 × " + num(c.aa) + " + " + num(c.as) + ") / " + num(c.ate), c.rho_te, "");
  if (!out.value("应变不均匀系数", "ψ", "1.1 − 0.65 × ftk / ρte / σs",
                 "1.1 − 0.65 × " + num(c.ftk) + " / " + num(c.rho_te) + " / " + num(c.sigma_s),
                 c.psi_raw, "")) {
    return;
  }
  if (*c.psi != *c.psi_raw) {  // held between its bounds
    out.text("ψ" + std::string(*c.psi_raw < *c.psi ? " < " : " > ") + num(c.psi) +
             "，取 ψ = " + num(c.psi));
  }
  out.value("折算钢筋直径", "D", "0.1 × √((0.9 × Aa + As) / 0.785)",
            "0.1 × √((0.9 × " + num(c.aa) + " + " + num(c.as) + ") / 0.785)", c.d, "mm");
  out.value("最大裂缝宽度", "wmax", "2.1 × ψ × σs × (2.7 × (a − 10) + D / ρte) × ν / Es",
            "2.1 × " + num(c.psi) + " × " + num(c.sigma_s) + " × (2.7 × (" + num(c.a) +
                " − 10) + " + num(c.d) + " / " + num(c.rho_te) + ") × " + num(c.nu) + " / " +
                num(c.es),
            c.raw, "mm");
  out.value("裂缝宽度（向下取至 0.001 mm）", "w", "⌊1000 × wmax⌋ / 1000",
            "⌊1000 × " + num(c.raw) + "⌋ / 1000", c.w, "mm");
}

// The plate area from the selected width and the crack check that follows.
void width_lines(Lines& out, const WidthEditRecord& edit) {
  out.value("梁底钢板计入面积", "Aa", "实选宽度 × t", num(edit.width) + " × " + num(edit.t),
            edit.area, "mm²");
  crack_lines(out, edit.check);
}

void section_lines(Lines& out, const CalculateRecord::Section& s) {
  out.read("箍筋直径", "dv", s.stirrup_d, "mm");
  out.read("梁宽", "b", s.b, "mm");
  out.read("梁高", "h", s.h, "mm");
  out.read("受拉边至钢筋重心距离", "a", s.a, "mm");
  out.value("有效高度", "h0", "h − a", num(s.h) + " − " + num(s.a), s.h0, "mm");
  out.read("钢板厚度", "t", s.t, "mm");
  out.value("梁底钢筋面积", "As", "d² × 0.785 × n",
            num(s.bottom_d) + "² × 0.785 × " + num(s.bottom_n), s.as_bottom, "mm²");
  out.value("梁面钢筋面积", "As'", "d'² × 0.785 × n'", num(s.top_d) + "² × 0.785 × " + num(s.top_n),
            s.as_top, "mm²");
  out.value(
      "现有箍筋面积", "Asv", "dv² × 0.785 × nv × 1000 / s",
      num(s.stirrup_d) + "² × 0.785 × " + num(s.stirrup_legs) + " × 1000 / " + num(s.stirrup_s),
      s.asv_exist, "mm²/m");
  out.value("梁面所需钢筋", "As,req'", "梁面筋 × 100", num(s.top_req_cm2) + " × 100", s.as_top_req,
            "mm²");
  out.value("梁底所需钢筋", "As,req", "梁底筋 × 100", num(s.bottom_req_cm2) + " × 100",
            s.as_bottom_req, "mm²");
  out.value("所需箍筋", "Asv,req", "梁箍筋 × 100 × 1000 / s",
            num(s.asv_req_cm2) + " × 100 × 1000 / " + num(s.stirrup_s), s.asv_req, "mm²/m");
}

void redistribution_lines(Lines& out, const CalculateRecord& calc) {
  const CalculateRecord::Redistribution& r = calc.redistribution;
  out.read("梁面保留", "β", r.percent, "%");
  out.value("移至梁底的面积", "ΔA", "As,req' × (100 − β) / 100",
            num(calc.section.as_top_req) + " × (100 − " + num(r.percent) + ") / 100", r.moved,
            "mm²");
  out.value("调幅后梁面所需", "As,req'", "As,req' − ΔA",
            num(calc.section.as_top_req) + " − " + num(r.moved), r.as_top_req, "mm²");
  out.value("调幅后梁底所需", "As,req", "As,req + ΔA",
            num(calc.section.as_bottom_req) + " + " + num(r.moved), r.as_bottom_req, "mm²");
}

void anchorage_lines(Lines& out, const CalculateRecord& calc, const Noted& anchor_length) {
  const CalculateRecord::Materials& m = calc.materials;
  out.value("计算锚固长度", "la", "2 × fa × t / fc",
            "2 × " + num(m.fa) + " × " + num(calc.section.t) + " / " + num(m.fc), anchor_length,
            "mm");
}

// One face's plate: the decision, the width, the shown width and the anchorage.
struct Face {
  const char* name;  // "梁底"
  const char* req;   // "As,req"
  const char* bars;  // "As"
  const char* fy;    // "fy"
  Noted req_area, bar_area;
  double fy_value;
};

void plate_lines(Lines& out, const CalculateRecord& calc, const PlateRecord& plate,
                 const Face& face, const std::string& steel) {
  const std::string name = face.name;
  if (!*plate.needed) {
    out.text(std::string(face.req) + " ≤ " + face.bars + "：" +
             compared(face.req_area, false, face.bar_area) + "，" + name +
             "无需加固，实选宽度为 0");
    return;
  }
  out.text(std::string(face.req) + " > " + face.bars + "：" +
           compared(face.req_area, true, face.bar_area) + "，" + name + "需贴钢板");
  out.value("钢筋缺额", "ΔAs", std::string(face.req) + " − " + face.bars,
            num(face.req_area) + " − " + num(face.bar_area), plate.shortfall, "mm²");
  if (!out.value("钢板计算宽度", "ba", std::string("ΔAs / fa / 0.9 / t × ") + face.fy,
                 num(plate.shortfall) + " / " + num(calc.materials.fa) + " / 0.9 / " +
                     num(calc.section.t) + " × " + num(face.fy_value),
                 plate.width, "mm")) {
    return;
  }
  const std::string shown = shown_width_text(*plate.width);
  out.text("实选宽度 = " + shown + " mm（计算宽度向下取整）");
  out.text(name + "钢板：" + plate_result_text(steel, *calc.section.t, shown));
}

void shown_width_check(Lines& out, const CalculateRecord& calc) {
  const WidthEditRecord& first = calc.shown_width;
  if (first.typed.empty()) return;
  if (first.check.w) {
    out.text("实选宽度写入 " + first.typed + " 后，先按 Aa = " + num(first.width) + " × " +
             num(first.t) + " = " + num(first.area) +
             " mm² 验算一次裂缝：w = " + num(first.check.w) + " mm（由下文的裂缝验算取代）");
    return;
  }
  out.text("实选宽度写入 " + first.typed + " 后随即验算裂缝：");
  width_lines(out, first);
}

void u_plate_lines(Lines& out, const CalculateRecord& calc) {
  const SideUPlateRecord& u = calc.u_plates;
  const CalculateRecord::Section& s = calc.section;
  if (u.outcome == Outcome::NotNeeded) {
    out.text("Asv,req ≤ Asv：" + compared(s.asv_req, false, s.asv_exist) +
             " mm²/m，梁箍筋无需加固");
    return;
  }
  out.text("Asv,req > Asv：" + compared(s.asv_req, true, s.asv_exist) +
           " mm²/m，箍筋不足，梁侧贴U型钢板");
  out.value("箍筋缺额", "ΔAsv", "(Asv,req − Asv) / 0.9",
            "(" + num(s.asv_req) + " − " + num(s.asv_exist) + ") / 0.9", u.extra, "mm²/m");
  out.read("箍板间距", "su", u.s, "mm");
  out.value("箍板高度", "Lu", "1.5 × su", "1.5 × " + num(u.s), u.lu, "mm");
  if (!out.value("箍板高度限值", "Lu,max", "h − 150", num(s.h) + " − 150", u.lu_limit, "mm")) {
    return;
  }
  if (u.outcome == Outcome::LuTooLarge) {
    out.text("Lu > Lu,max：" + compared(u.lu, true, u.lu_limit) + "，Lu太大，请加密箍板间距");
    return;
  }
  out.text("Lu ≤ Lu,max：" + compared(u.lu, false, u.lu_limit));
  out.read("箍板厚度", "tu", u.t, "mm");
  if (!out.value("箍板计算宽度", "bu", "ΔAsv / 2 / fa × su / Lu / tu × fyv",
                 num(u.extra) + " / 2 / " + num(calc.materials.fa) + " × " + num(u.s) + " / " +
                     num(u.lu) + " / " + num(u.t) + " × " + num(s.fyv),
                 u.bu, "mm")) {
    return;
  }
  out.text("实选 bu = ⌊bu + 0.5⌋ = " + number_text(shown_bu(*u.bu)) + " mm（四舍五入取整）");
  out.text("梁侧U型钢板：" + u_plate_result_text(*u.t, *u.bu, *u.lu, *u.s));
}

void plate_area_lines(Lines& out, const CalculateRecord::PlateArea& p) {
  if (*p.bottom_needed) {
    out.value("梁底钢板计入面积（按计算宽度）", "Aa", "t × ba", num(p.t) + " × " + num(p.width),
              p.area, "mm²");
  } else {
    out.text("梁底无需加固，裂缝验算不计钢板：Aa = 0");
  }
}

void stop_lines(ReportModel& report, const std::optional<CalcError>& error) {
  ReportSection& section = add_section(report, "计算中断");
  section.lines.push_back(stop_line(error));
  section.lines.push_back({"以下各步未计算。"});
}

}  // namespace

void add_calculate_steps(ReportModel& report, const CalcRecord& record) {
  const CalculateRecord& calc = record.calculate;
  const CalculateRecord::Section& s = calc.section;
  {
    ReportSection& section = add_section(report, "截面与钢筋");
    Lines out(section);
    section_lines(out, s);
  }
  if (calc.redistribution.on) {
    Lines out(add_section(report, "梁面筋调幅"));
    redistribution_lines(out, calc);
  }
  const auto& r = calc.redistribution;
  const std::string& steel = input_text(calc, role::plate_steel);
  if (calc.bottom.needed) {
    Lines out(add_section(report, "梁底钢板"));
    const Face face{"梁底",
                    "As,req",
                    "As",
                    "fy",
                    r.on ? r.as_bottom_req : s.as_bottom_req,
                    s.as_bottom,
                    calc.materials.fy_bottom};
    plate_lines(out, calc, calc.bottom, face, steel);
    shown_width_check(out, calc);
    if (*calc.bottom.needed) anchorage_lines(out, calc, calc.bottom.anchor_length);
  }
  if (calc.top.needed) {
    Lines out(add_section(report, "梁面钢板"));
    const Face face{"梁面",
                    "As,req'",
                    "As'",
                    "fy'",
                    r.on ? r.as_top_req : s.as_top_req,
                    s.as_top,
                    calc.materials.fy_top};
    plate_lines(out, calc, calc.top, face, steel);
    if (*calc.top.needed) anchorage_lines(out, calc, calc.top.anchor_length);
  }
  if (calc.u_plates.outcome || calc.u_plates.extra) {
    Lines out(add_section(report, "梁侧U型钢板"));
    u_plate_lines(out, calc);
  }
  if (calc.plate_area.bottom_needed) {
    Lines out(add_section(report, "梁底钢板计入面积"));
    plate_area_lines(out, calc.plate_area);
  }
  if (calc.crack.b) {
    Lines out(add_section(report, "加固后裂缝验算"));
    crack_lines(out, calc.crack);
  }
  if (!calc.finished) stop_lines(report, calc.error);
}

namespace {

void width_edit_section(ReportModel& report, const WidthEditRecord& edit) {
  ReportSection& section = add_section(report, "修改实选宽度后的裂缝验算");
  Lines out(section);
  out.text("计算后实选宽度改为“" + edit.typed + "”，裂缝重新验算：");
  width_lines(out, edit);
  if (edit.error) section.lines.push_back(stop_line(edit.error));
}

void hoop_lines(Lines& out, const HoopRecord& hoop) {
  out.read("实际锚固长度（输入“" + hoop.actual_typed + "”）", "La", hoop.actual, "mm");
  out.read("计算锚固长度", "la", hoop.anchor_length, "mm");
  if (!hoop.needed) return;  // stopped reading the lengths
  if (!*hoop.needed) {
    out.text("La − la = " + num(hoop.actual) + " − " + num(hoop.anchor_length) + " ≥ 0，无需加箍");
    return;
  }
  out.text("La − la = " + num(hoop.actual) + " − " + num(hoop.anchor_length) + " < 0，需加箍");
  if (!hoop.first_formula) return;
  // The two sides as the command compared them; both were finite, or it had stopped.
  const std::string left = "3.6 × b = 3.6 × " + num(hoop.b) + " = " + num(3.6 * *hoop.b);
  const std::string right = "2 × fcv × Lu = 2 × " + num(hoop.fcv) + " × " + num(hoop.lu) + " = " +
                            num(2 * *hoop.fcv * *hoop.lu);
  out.text(*hoop.first_formula ? left + " ≤ " + right + "，按第一式"
                               : left + " > " + right + "，按第二式");
  out.read("实选宽度（“" + hoop.width_typed + "”）", "bsel", hoop.width, "mm");
  if (!out.value("钢板多余拉力", "N", "fa × bsel × t − 0.5 × fcv × b × La",
                 num(hoop.fa) + " × " + num(hoop.width) + " × " + num(hoop.t) + " − 0.5 × " +
                     num(hoop.fcv) + " × " + num(hoop.b) + " × " + num(hoop.actual),
                 hoop.excess, "N")) {
    return;
  }
  if (hoop.finished && !hoop.quotient) {  // the command stopped counting: N ≤ 0
    out.text("N ≤ 0：混凝土已足以承担钢板拉力，无需加箍");
    return;
  }
  const std::string divisors = std::string(*hoop.first_formula ? " / 0.7" : "") + " / 3.6 / ";
  if (!out.value("箍板数", "n'", "N" + divisors + "b / bu",
                 num(hoop.excess) + divisors + num(hoop.b) + " / " + num(hoop.u_bu), hoop.quotient,
                 "")) {
    return;
  }
  out.value("箍板数（向下取整）", "n", "⌊n'⌋", "⌊" + num(hoop.quotient) + "⌋", hoop.count, "个");
  out.text("U型箍板：" + number_text(*hoop.count) + "个" +
           u_plate_result_text(*hoop.u_t, *hoop.u_bu, *hoop.lu, *hoop.u_s));
}

void hoop_section(ReportModel& report, const HoopRecord& hoop) {
  ReportSection& section = add_section(report, "钢板端部锚固区U型箍板");
  Lines out(section);
  hoop_lines(out, hoop);
  if (!hoop.finished) {
    section.lines.push_back(stop_line(hoop.error));
  }
}

}  // namespace

void add_later_handlers(ReportModel& report, const CalcRecord& record) {
  const bool edit_first =
      record.width_edit && (!record.hoops || record.width_edit->sequence < record.hoops->sequence);
  if (edit_first) width_edit_section(report, *record.width_edit);
  if (record.hoops) hoop_section(report, *record.hoops);
  if (record.width_edit && !edit_first) width_edit_section(report, *record.width_edit);
}

}  // namespace platewise::report
