// The report's sections for the steps of the Calculate command and for the
// handlers run after it: each formula in symbols, with the numbers put in,
// and its value, in the order the handlers computed them; each check after
// the value it checks.

#include <algorithm>
#include <cmath>

#include "form_access.h"
#include "number_rules.h"
#include "report_lines.h"
#include "report_numbers.h"
#include "result_texts.h"

namespace platewise::report {

namespace {

std::string operand(const Noted& value, std::string (*shown)(double)) {
  if (!value) return "…";
  const std::string text = shown(*value);
  return *value < 0 ? std::string("(").append(text).append(")") : text;
}

}  // namespace

std::string exact(const Noted& value) { return operand(value, exact_text); }
std::string approx(const Noted& value) { return operand(value, approx_text); }

ReportSection& Writer::add_section(std::string_view title, SectionKind kind) {
  ReportSection& section = report.sections.emplace_back();
  section.title = std::to_string(++numbered) + " " + std::string(title);
  section.kind = kind;
  return section;
}

bool Lines::value(std::string_view what, std::string_view symbol, std::string_view formula,
                  const std::string& numbers, const Noted& value, std::string_view unit,
                  std::string (*shown)(double)) {
  if (stopped_) return false;
  std::string line(what);
  if (!what.empty()) line += ' ';
  line.append(symbol).append(" = ");
  if (!formula.empty()) line.append(formula).append(" = ").append(numbers).append(" = ");
  if (value) {
    line.append(shown(*value));
    if (!unit.empty()) line.append(kNbsp).append(unit);
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

void Lines::name(std::string_view constant, std::string_view meaning) {
  if (stopped_ || !writer_.named.insert(constant).second) return;
  lines_.push_back({"式中 " + std::string(meaning)});
}

void Lines::check(std::string_view key) {
  if (stopped_) return;
  const std::vector<DesignCheck>& checks = writer_.report.checks;
  const auto found = std::ranges::find(checks, key, &DesignCheck::key);
  if (found != checks.end()) lines_.push_back(check_line(*found));
}

ReportLine check_line(const DesignCheck& check) {
  return {check.text + "，" + std::string(verdict_word(check.verdict)), check.verdict};
}

ReportLine stop_line(const std::optional<CalcError>& error) {
  return {kStopPrefix + (error ? describe(*error) : std::string("程序发生意外错误")), {}, true};
}

namespace {

using Outcome = SideUPlateRecord::Outcome;

// One side of a relation: its symbol, its value and how the value is written.
struct Operand {
  std::string_view symbol;
  Noted value;
  std::string (*shown)(double) = approx_text;
};

// "A_{s,b,req} > A_{s,b}：1800 > 1472". Two sides that look alike under a
// strict sign give their difference: "A_{s,b,req} − A_{s,b} = 1×10^{−4} > 0".
std::string relation(const Operand& left, std::string_view sign, const Operand& right) {
  const std::string l = operand(left.value, left.shown), r = operand(right.value, right.shown);
  const std::string symbols =
      std::string(left.symbol) + " " + std::string(sign) + " " + std::string(right.symbol) + "：";
  if ((sign == "<" || sign == ">") && l == r && left.value && right.value) {
    return std::string(left.symbol) + " − " + std::string(right.symbol) + " = " +
           approx_text(*left.value - *right.value) + " " + std::string(sign) + " 0";
  }
  return symbols + l + " " + std::string(sign) + " " + r;
}

const std::string& written(const CalcRecord& record, std::string_view key) {
  static const std::string kNone;
  const std::string* text = record.written.find(key);
  return text != nullptr ? *text : kNone;
}

double floor_of_thousand_times(double value) { return std::floor(1000 * value); }
double shown_floor(double value) { return std::floor(shown_number(value)); }
double half_up(double value) { return std::floor(value + 0.5); }
double whole(double value) { return std::floor(value); }
double psi_bounds(double value) { return value < 0.4 ? 0 : (value > 1 ? 2 : 1); }

std::string width_shown(double value) { return approx_text_keeping(value, shown_floor); }
std::string bu_shown(double value) { return approx_text_keeping(value, half_up); }
std::string raw_shown(double value) { return approx_text_keeping(value, floor_of_thousand_times); }
std::string quotient_shown(double value) { return approx_text_keeping(value, whole); }
std::string psi_shown(double value) { return approx_text_keeping(value, psi_bounds); }

void crack_limit_line(Lines& out, const ReportInfo& info) {
  const CrackLimit limit = crack_limit_of(info);
  std::string line = "裂缝宽度限值 [w] = " + exact_text(limit.mm) + kNbsp + "mm";
  switch (limit.source) {
    case CrackLimit::Source::Default:
      line += "（默认值）";
      break;
    case CrackLimit::Source::Given:
      line += "（计算书信息）";
      break;
    case CrackLimit::Source::Refused:
      line += "（计算书信息中的“" + info.crack_limit + "”不是正数，按默认值）";
      break;
  }
  out.text(line);
}

void crack_lines(Lines& out, const Writer& writer, const CrackRecord& c) {
  out.value("有效受拉混凝土面积", "A_{te}", "0.5 × b × h",
            "0.5 × " + exact(c.b) + " × " + exact(c.h), c.ate, "mm²");
  out.name("0.5 b h", "0.5 × b × h 为受弯构件的有效受拉混凝土截面面积");
  out.read("跨中弯矩标准值", "M_{k}", c.moment, "kN·m");
  out.value("钢筋应力", "σ_{s}", "M_{k} × 10^{6} / (0.87 × h_{0} × (A_{a} + A_{s,b}))",
            exact(c.moment) + " × 10^{6} / (0.87 × " + approx(c.h0) + " × (" + approx(c.aa) +
                " + " + approx(c.as) + "))",
            c.sigma_s, "N/mm²");
  out.name("0.87", "10^{6} 将 kN·m 换算为 N·mm，0.87 为内力臂系数，钢板按全部面积计入");
  out.value("有效配筋率", "ρ_{te}", "(0.9 × A_{a} + A_{s,b}) / A_{te}",
            "(0.9 × " + approx(c.aa) + " + " + approx(c.as) + ") / " + approx(c.ate), c.rho_te, "");
  out.name("0.9 A_a", "0.9 为钢板面积计入有效配筋的折减系数");
  if (!out.value(
          "应变不均匀系数", "ψ", "1.1 − 0.65 × f_{tk} / ρ_{te} / σ_{s}",
          "1.1 − 0.65 × " + exact(c.ftk) + " / " + approx(c.rho_te) + " / " + approx(c.sigma_s),
          c.psi_raw, "", psi_shown)) {
    return;
  }
  out.name("1.1 0.65", "1.1、0.65 为 GBJ 10-89 的 ψ 公式系数，ψ 取 0.4～1");
  if (*c.psi != *c.psi_raw) {  // held between its bounds
    out.text(std::string("ψ") + (*c.psi_raw < *c.psi ? " < " : " > ") + exact(c.psi) +
             "，取 ψ = " + exact(c.psi));
  }
  const std::string psi = *c.psi != *c.psi_raw ? exact(c.psi) : operand(c.psi, psi_shown);
  out.value("等效单根钢筋直径的十分之一", "D", "0.1 × √((0.9 × A_{a} + A_{s,b}) / 0.785)",
            "0.1 × √((0.9 × " + approx(c.aa) + " + " + approx(c.as) + ") / 0.785)", c.d, "mm");
  out.name("D", "√((0.9 × A_{a} + A_{s,b}) / 0.785) 为面积等于 0.9A_{a} + A_{s,b} 的单根钢筋直径");
  out.value("保护层厚度", "c", "a − 10", exact(c.a) + " − 10", c.c, "mm");
  out.name("c", "c 取受拉边至钢筋重心的距离减 10 mm");
  out.value("最大裂缝宽度", "w_{max}", "2.1 × ψ × σ_{s} × (2.7 × c + D / ρ_{te}) × ν / E_{s}",
            "2.1 × " + psi + " × " + approx(c.sigma_s) + " × (2.7 × " + approx(c.c) + " + " +
                approx(c.d) + " / " + approx(c.rho_te) + ") × " + exact(c.nu) + " / " + exact(c.es),
            c.raw, "mm", raw_shown);
  out.name("2.1", "2.1 为受弯构件的受力特征系数，2.7 为保护层厚度项的系数（GBJ 10-89），ν 见材料");
  if (!out.value("裂缝宽度", "w", "⌊1000 × w_{max}⌋ / 1000",
                 "⌊1000 × " + operand(c.raw, raw_shown) + "⌋ / 1000", c.w, "mm", exact_text)) {
    return;
  }
  if (&c != shown_crack_check(writer.record)) return;  // a later check decides
  crack_limit_line(out, writer.info);
  out.check("crack_width");
}

// The checks of the selected width, where the width in use was set.
void width_checks(Lines& out, const Writer& writer, const WidthEditRecord& edit) {
  if (width_in_use(writer.record) != &edit) return;
  out.check("bottom_plate_width");
  out.check("bottom_plate_area");
}

// The plate area from the selected width and the crack check that follows.
void width_lines(Lines& out, const Writer& writer, const WidthEditRecord& edit) {
  out.value("梁底钢板计入面积", "A_{a}", "b_{sel,b} × t", exact(edit.width) + " × " + exact(edit.t),
            edit.area, "mm²");
  crack_lines(out, writer, edit.check);
}

void section_lines(Lines& out, const CalculateRecord::Section& s) {
  out.read("箍筋直径", "d_{v}", s.stirrup_d, "mm");
  out.read("梁宽", "b", s.b, "mm");
  out.read("梁高", "h", s.h, "mm");
  out.read("受拉边至钢筋重心距离", "a", s.a, "mm");
  out.value("有效高度", "h_{0}", "h − a", exact(s.h) + " − " + exact(s.a), s.h0, "mm");
  out.read("钢板厚度", "t", s.t, "mm");
  out.check("plate_thickness");
  out.value("梁底现有钢筋面积", "A_{s,b}", "d_{b}^{2} × 0.785 × n_{b}",
            exact(s.bottom_d) + "^{2} × 0.785 × " + exact(s.bottom_n), s.as_bottom, "mm²");
  out.name("0.785", "0.785 为圆形钢筋面积与直径平方之比（π/4 取 0.785）");
  out.value("梁面现有钢筋面积", "A_{s,t}", "d_{t}^{2} × 0.785 × n_{t}",
            exact(s.top_d) + "^{2} × 0.785 × " + exact(s.top_n), s.as_top, "mm²");
  out.value("现有箍筋面积", "A_{sv}", "d_{v}^{2} × 0.785 × n_{v} × 1000 / s_{v}",
            exact(s.stirrup_d) + "^{2} × 0.785 × " + exact(s.stirrup_legs) + " × 1000 / " +
                exact(s.stirrup_s),
            s.asv_exist, "mm²/m");
  out.name("1000 / s", "× 1000 / s_{v} 换算为每米梁长的面积");
  out.value("梁面所需钢筋", "A_{s,t,req}", "梁面筋 × 100", exact(s.top_req_cm2) + " × 100",
            s.as_top_req, "mm²");
  out.name("100", "× 100 将 cm² 换算为 mm²");
  out.value("梁底所需钢筋", "A_{s,b,req}", "梁底筋 × 100", exact(s.bottom_req_cm2) + " × 100",
            s.as_bottom_req, "mm²");
  out.value("所需箍筋", "A_{sv,req}", "梁箍筋 × 100 × 1000 / s_{v}",
            exact(s.asv_req_cm2) + " × 100 × 1000 / " + exact(s.stirrup_s), s.asv_req, "mm²/m");
}

void redistribution_lines(Lines& out, const CalculateRecord& calc) {
  const CalculateRecord::Redistribution& r = calc.redistribution;
  out.read("梁面保留", "β", r.percent, "%");
  out.value("移至梁底的面积", "ΔA_{m}", "A_{s,t,req} × (100 − β) / 100",
            approx(calc.section.as_top_req) + " × (100 − " + exact(r.percent) + ") / 100", r.moved,
            "mm²");
  out.value("调幅后梁面所需", "A_{s,t,req}^{*}", "A_{s,t,req} − ΔA_{m}",
            approx(calc.section.as_top_req) + " − " + approx(r.moved), r.as_top_req, "mm²");
  out.value("调幅后梁底所需", "A_{s,b,req}^{*}", "A_{s,b,req} + ΔA_{m}",
            approx(calc.section.as_bottom_req) + " + " + approx(r.moved), r.as_bottom_req, "mm²");
}

void anchorage_lines(Lines& out, const CalculateRecord& calc, const Noted& anchor_length) {
  const CalculateRecord::Materials& m = calc.materials;
  out.value("计算锚固长度", "l_{a}", "2 × f_{a} × t / f_{c}",
            "2 × " + exact(m.fa) + " × " + exact(calc.section.t) + " / " + exact(m.fc),
            anchor_length, "mm", exact_text);
}

// One face's plate: the decision, the width, the shown width, its checks and the anchorage.
struct Face {
  const char* name;  // "梁底"
  const char* sub;   // "b": the face's subscript
  std::string_view plate_role, width_role;
  Noted req_area, bar_area;
  bool redistributed;
  double fy;
  const PlateRecord& plate;
};

void plate_lines(Lines& out, const Writer& writer, const Face& face) {
  const CalculateRecord& calc = writer.record.calculate;
  const PlateRecord& plate = face.plate;
  const std::string sub = face.sub, name = face.name;
  const std::string req = "A_{s," + sub + ",req}" + (face.redistributed ? "^{*}" : "");
  const std::string bars = "A_{s," + sub + "}", shortfall = "ΔA_{s," + sub + "}";
  const std::string width = "b_{a," + sub + "}";
  const std::string& result = written(writer.record, face.plate_role);
  if (!*plate.needed) {
    out.text(relation({req, face.req_area}, "≤", {bars, face.bar_area}) + "，" + result +
             "，实选宽度为 " + written(writer.record, face.width_role));
    return;
  }
  out.text(relation({req, face.req_area}, ">", {bars, face.bar_area}) + "，" + name + "需贴钢板");
  out.value("钢筋缺额", shortfall, req + " − " + bars,
            approx(face.req_area) + " − " + approx(face.bar_area), plate.shortfall, "mm²");
  if (!out.value("钢板计算宽度", width, shortfall + " / f_{a} / 0.9 / t × f_{y," + sub + "}",
                 approx(plate.shortfall) + " / " + exact(calc.materials.fa) + " / 0.9 / " +
                     exact(calc.section.t) + " × " + exact(face.fy),
                 plate.width, "mm", width_shown)) {
    return;
  }
  out.name("0.9 plate", "0.9 为钢板强度折减系数（b_{a} × t × 0.9 × f_{a} = ΔA_{s} × f_{y}）");
  out.text("实选宽度 b_{sel," + sub + "} = " + exact(plate.shown) + kNbsp +
           "mm（计算宽度向下取整）");
  out.text(name + "钢板：" + result);
}

void first_crack_check(Lines& out, const Writer& writer) {
  // Calculate's own crack check supersedes this one; shown only when the run stopped before it.
  const WidthEditRecord& first = writer.record.calculate.shown_width;
  if (writer.record.calculate.crack.b || !first.check.b) return;
  out.text("实选宽度写入 " + first.typed + " 后随即验算裂缝：");
  width_lines(out, writer, first);
}

void bottom_plate_section(Writer& writer) {
  const CalculateRecord& calc = writer.record.calculate;
  const auto& r = calc.redistribution;
  Lines out(writer, writer.add_section("梁底钢板"));
  plate_lines(out, writer,
              {"梁底", "b", role::bottom_plate, role::bottom_width,
               r.on ? r.as_bottom_req : calc.section.as_bottom_req, calc.section.as_bottom, r.on,
               calc.materials.fy_bottom, calc.bottom});
  if (!*calc.bottom.needed) return;
  width_checks(out, writer, calc.shown_width);
  first_crack_check(out, writer);
  anchorage_lines(out, calc, calc.bottom.anchor_length);
}

void top_plate_section(Writer& writer) {
  const CalculateRecord& calc = writer.record.calculate;
  const auto& r = calc.redistribution;
  Lines out(writer, writer.add_section("梁面钢板"));
  plate_lines(
      out, writer,
      {"梁面", "t", role::top_plate, role::top_width, r.on ? r.as_top_req : calc.section.as_top_req,
       calc.section.as_top, r.on, calc.materials.fy_top, calc.top});
  if (!*calc.top.needed) return;
  out.check("top_plate_width");
  out.check("top_plate_area");
  anchorage_lines(out, calc, calc.top.anchor_length);
}

void u_plate_lines(Lines& out, const Writer& writer) {
  const CalculateRecord& calc = writer.record.calculate;
  const SideUPlateRecord& u = calc.u_plates;
  const CalculateRecord::Section& s = calc.section;
  const std::string& result = written(writer.record, role::side_u_plates);
  if (u.outcome == Outcome::NotNeeded) {
    out.text(relation({"A_{sv,req}", s.asv_req}, "≤", {"A_{sv}", s.asv_exist}) + "，" + result);
    return;
  }
  out.text(relation({"A_{sv,req}", s.asv_req}, ">", {"A_{sv}", s.asv_exist}) +
           "，箍筋不足，梁侧贴U型钢板");
  out.value("箍筋缺额", "ΔA_{sv}", "(A_{sv,req} − A_{sv}) / 0.9",
            std::string("(") + approx(s.asv_req) + " − " + approx(s.asv_exist) + ") / 0.9", u.extra,
            "mm²/m");
  out.name("0.9 u", "0.9 为U型钢板强度折减系数");
  out.read("箍板间距", "s_{u}", u.s, "mm");
  out.value("箍板高度", "L_{u}", "1.5 × s_{u}", "1.5 × " + exact(u.s), u.lu, "mm", exact_text);
  out.name("1.5", "1.5 为箍板高度与间距之比");
  out.value("箍板高度限值", "L_{u,max}", "h − 150", exact(s.h) + " − 150", u.lu_limit, "mm");
  out.check("u_plate_height");
  if (u.outcome == Outcome::LuTooLarge) {
    out.text("梁侧U型钢板：" + result);
    return;
  }
  out.read("箍板厚度", "t_{u}", u.t, "mm");
  out.check("u_plate_thickness");
  if (!out.value("箍板计算宽度", "b_{u}", "ΔA_{sv} / 2 / f_{a} × s_{u} / L_{u} / t_{u} × f_{yv}",
                 approx(u.extra) + " / 2 / " + exact(calc.materials.fa) + " × " + exact(u.s) +
                     " / " + exact(u.lu) + " / " + exact(u.t) + " × " + exact(s.fyv),
                 u.bu, "mm", bu_shown)) {
    return;
  }
  out.name("2 sides", "2 为梁的两侧");
  out.value("实选宽度", "b_{u,sel}", "⌊b_{u} + 0.5⌋", "⌊" + operand(u.bu, bu_shown) + " + 0.5⌋",
            u.bu_shown, "mm", exact_text);
  out.text("梁侧U型钢板：" + result);
}

void plate_area_lines(Lines& out, const CalculateRecord::PlateArea& p) {
  if (*p.bottom_needed) {
    out.value("梁底钢板计入面积（按计算宽度）", "A_{a}", "t × b_{a,b}",
              exact(p.t) + " × " + operand(p.width, width_shown), p.area, "mm²");
  } else {
    out.text("梁底无需加固，裂缝验算不计钢板：A_{a} = 0");
  }
}

void stop_lines(Writer& writer, const std::optional<CalcError>& error) {
  ReportSection& section = writer.add_section("计算中断");
  section.lines.push_back(stop_line(error));
  section.lines.push_back({"以下各步未计算。"});
}

}  // namespace

void add_calculate_steps(Writer& writer) {
  const CalculateRecord& calc = writer.record.calculate;
  {
    Lines out(writer, writer.add_section("截面与钢筋"));
    section_lines(out, calc.section);
  }
  if (calc.redistribution.on) {
    Lines out(writer, writer.add_section("梁面筋调幅"));
    redistribution_lines(out, calc);
  }
  if (calc.bottom.needed) bottom_plate_section(writer);
  if (calc.top.needed) top_plate_section(writer);
  if (calc.u_plates.outcome || calc.u_plates.extra) {
    Lines out(writer, writer.add_section("梁侧U型钢板"));
    u_plate_lines(out, writer);
  }
  if (calc.plate_area.bottom_needed) {
    Lines out(writer, writer.add_section("梁底钢板计入面积"));
    plate_area_lines(out, calc.plate_area);
  }
  if (calc.crack.b) {
    Lines out(writer, writer.add_section("加固后裂缝验算"));
    crack_lines(out, writer, calc.crack);
  }
  if (!calc.finished) stop_lines(writer, calc.error);
}

namespace {

void width_edit_section(Writer& writer, const WidthEditRecord& edit) {
  ReportSection& section = writer.add_section("修改实选宽度后的裂缝验算");
  Lines out(writer, section);
  out.text("计算后实选宽度改为“" + edit.typed + "”，裂缝重新验算：");
  width_checks(out, writer, edit);
  width_lines(out, writer, edit);
  if (edit.error) section.lines.push_back(stop_line(edit.error));
}

// "实际锚固长度 l_{a,act} = 150 mm", with the text as typed when it reads otherwise.
void typed_value(Lines& out, std::string_view what, std::string_view symbol, const Noted& value,
                 const std::string& typed) {
  const bool same = value && typed == number_text(*value);
  out.read(std::string(what) + (same ? "" : "（输入“" + typed + "”）"), symbol, value, "mm");
}

void hoop_lines(Lines& out, const Writer& writer, const HoopRecord& hoop) {
  typed_value(out, "实际锚固长度", "l_{a,act}", hoop.actual, hoop.actual_typed);
  out.value("计算锚固长度（按计算锚固长度栏所示）", "l_{a}", {}, {}, hoop.anchor_length, "mm",
            exact_text);
  if (!hoop.needed) return;  // stopped reading the lengths
  const Operand actual{"l_{a,act}", hoop.actual, exact_text};
  const Operand calculated{"l_{a}", hoop.anchor_length, exact_text};
  if (!*hoop.needed) {
    out.text(relation(actual, "≥", calculated) + "，" + written(writer.record, role::hoop_plates));
    return;
  }
  out.text(relation(actual, "<", calculated) + "，需加箍");
  if (!hoop.first_formula) return;
  // The two sides as the command compared them; both were finite, or it had stopped.
  const std::string left = "3.6 × b = 3.6 × " + exact(hoop.b) + " = " + approx_text(3.6 * *hoop.b);
  const std::string right = "2 × f_{cv} × L_{u} = 2 × " + exact(hoop.fcv) + " × " + exact(hoop.lu) +
                            " = " + approx_text(2 * *hoop.fcv * *hoop.lu);
  out.text(*hoop.first_formula ? left + " ≤ " + right + "，按第一式（折减系数 0.7）"
                               : left + " > " + right + "，按第二式");
  out.name("3.6", "3.6 N/mm² 为U型箍板在 b × b_{u} 面积上所能发挥的强度");
  typed_value(out, "实选宽度", "b_{sel,b}", hoop.width, hoop.width_typed);
  if (!out.value("箍板承担的拉力", "N_{h}", "f_{a} × b_{sel,b} × t − 0.5 × f_{cv} × b × l_{a,act}",
                 exact(hoop.fa) + " × " + exact(hoop.width) + " × " + exact(hoop.t) + " − 0.5 × " +
                     exact(hoop.fcv) + " × " + exact(hoop.b) + " × " + exact(hoop.actual),
                 hoop.excess, "N")) {
    return;
  }
  out.name("0.5 fcv", "0.5 × f_{cv} × b × l_{a,act} 为实际锚固长度内混凝土承担的拉力");
  if (hoop.finished && !hoop.quotient) {  // the command stopped counting: N ≤ 0
    out.text("N_{h} ≤ 0：混凝土已足以承担钢板拉力，" + written(writer.record, role::hoop_plates));
    return;
  }
  const std::string divisors = std::string(*hoop.first_formula ? " / 0.7" : "") + " / 3.6 / ";
  if (!out.value("箍板数", "n_{h,0}", "N_{h}" + divisors + "b / b_{u}",
                 approx(hoop.excess) + divisors + exact(hoop.b) + " / " + approx(hoop.u_bu),
                 hoop.quotient, "", quotient_shown)) {
    return;
  }
  out.value("箍板数（向下取整）", "n_{h}", "⌊n_{h,0}⌋",
            "⌊" + operand(hoop.quotient, quotient_shown) + "⌋", hoop.count, "个", exact_text);
  out.text("U型箍板：" + written(writer.record, role::hoop_plates));
  out.check("hoop_count");
}

void hoop_section(Writer& writer, const HoopRecord& hoop) {
  ReportSection& section = writer.add_section("钢板端部锚固区U型箍板");
  Lines out(writer, section);
  hoop_lines(out, writer, hoop);
  if (!hoop.finished) section.lines.push_back(stop_line(hoop.error));
}

}  // namespace

void add_later_handlers(Writer& writer) {
  const CalcRecord& record = writer.record;
  const bool edit_first =
      record.width_edit && (!record.hoops || record.width_edit->sequence < record.hoops->sequence);
  if (edit_first) width_edit_section(writer, *record.width_edit);
  if (record.hoops) hoop_section(writer, *record.hoops);
  if (record.width_edit && !edit_first) width_edit_section(writer, *record.width_edit);
}

}  // namespace platewise::report
