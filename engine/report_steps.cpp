// The report's sections for the steps of the Calculate command and for the
// handlers run after it: the formulas each run computed, read from its
// trace in the order it computed them, each check after the value it
// checks. What is written here is only which lines come where and the
// wording around them.

#include <algorithm>

#include "design_trace.h"
#include "formula_text.h"
#include "number_rules.h"
#include "report_lines.h"

namespace platewise::report {

ReportSection& Writer::add_section(std::string_view title, SectionKind kind) {
  ReportSection& section = report.sections.emplace_back();
  section.title = std::to_string(++numbered) + " " + std::string(title);
  section.kind = kind;
  return section;
}

const std::string& Writer::written(std::string_view key) const {
  static const std::string kNone;
  const std::string* text = design.written.find(key);
  return text != nullptr ? *text : kNone;
}

ReportLine check_line(const DesignCheck& check) {
  return {check.text + "，" + std::string(verdict_word(check.verdict)), check.verdict};
}

ReportLine stop_line(const std::optional<CalcError>& error) {
  return {kStopPrefix + (error ? describe(*error) : std::string("程序发生意外错误")), {}, true};
}

namespace {

std::string with_unit(std::string text, Q id) {
  const std::string_view unit = quantity(id).unit;
  if (!unit.empty()) text.append(kNbsp).append(unit);
  return text;
}

// "≥" for a decision whose ">=" held, "<" where it did not.
std::string_view sign_of(Rel rel, bool holds) {
  switch (rel) {
    case Rel::Less:
      return holds ? "<" : "≥";
    case Rel::LessEqual:
      return holds ? "≤" : ">";
    case Rel::Greater:
      return holds ? ">" : "≤";
    case Rel::GreaterEqual:
      break;
  }
  return holds ? "≥" : "<";
}

// One side of a decision: a quantity or constant alone, or a formula with its value.
std::string side_text(std::span<const FormulaNode> nodes) {
  const FormulaText f = formula_text(nodes);
  if (f.single) return f.symbols;
  return f.symbols + " = " + f.numbers + " = " + approx_text(formula_value(nodes));
}

// "A_{s,b,req} > A_{s,b}：1800 > 1472"; two sides that look alike under a
// strict sign give their difference: "A_{s,b,req} − A_{s,b} = 1×10^{−4} > 0".
// A side that is a formula is written with its numbers and value.
std::string relation(const Trace& trace, const TraceEntry& e) {
  const std::span<const FormulaNode> l = trace.nodes(e), r = trace.right_nodes(e);
  const FormulaText left = formula_text(l), right = formula_text(r);
  const std::string sign(sign_of(e.rel, e.outcome));
  if (e.failed) return side_text(l) + " " + sign + " " + side_text(r) + "：…（计算在此中断）";
  if (!left.single || !right.single) return side_text(l) + " " + sign + " " + side_text(r);
  if ((sign == "<" || sign == ">") && left.numbers == right.numbers) {
    return left.symbols + " − " + right.symbols + " = " +
           approx_text(formula_value(l) - formula_value(r)) + " " + sign + " 0";
  }
  return left.symbols + " " + sign + " " + right.symbols + "：" + left.numbers + " " + sign + " " +
         right.numbers;
}

}  // namespace

const TraceEntry* Lines::find(bool (*match)(const TraceEntry&, int), int key) {
  if (stopped_) return nullptr;
  const std::span<const TraceEntry> entries = reader_.trace.entries();
  for (std::size_t i = reader_.next; i < entries.size(); ++i) {
    if (match(entries[i], key) || entries[i].failed) {
      reader_.next = i + 1;
      return &entries[i];
    }
  }
  stopped_ = true;  // the run did not reach it
  return nullptr;
}

void Lines::mark_shown(std::span<const FormulaNode> nodes) {
  for (const FormulaNode& n : nodes) {
    if (n.kind == FormulaNode::Kind::Value) writer_.shown.set(static_cast<std::size_t>(n.id));
  }
}

bool Lines::value(Q id, std::string_view what, std::string_view after) {
  const TraceEntry* e = find(
      [](const TraceEntry& x, int key) {
        return x.kind != TraceEntry::Kind::Decision && static_cast<int>(x.id) == key;
      },
      static_cast<int>(id));
  if (e == nullptr) return false;
  if (e->kind == TraceEntry::Kind::Decision) {  // the run stopped in a decision on the way
    section_.lines.push_back({relation(reader_.trace, *e)});
    stopped_ = true;
    return false;
  }
  const Quantity& q = quantity(e->id);
  std::string line(what.empty() ? q.meaning : what);
  line.append(" ").append(q.symbol).append(" = ");
  writer_.shown.set(static_cast<std::size_t>(e->id));
  if (e->kind == TraceEntry::Kind::Let) {
    const std::span<const FormulaNode> nodes = reader_.trace.nodes(*e);
    mark_shown(nodes);
    const FormulaText f = formula_text(nodes);
    line.append(f.symbols).append(" = ");
    if (!f.single) line.append(f.numbers).append(" = ");
  }
  if (e->failed) {
    section_.lines.push_back({line + "…（计算在此中断）"});
    stopped_ = true;
    return false;
  }
  section_.lines.push_back(
      {with_unit(line + value_text(e->id, e->value), e->id) + std::string(after)});
  checks_after(e->id);
  return true;
}

std::optional<double> Lines::quietly(Q id) {
  const TraceEntry* e = find(
      [](const TraceEntry& x, int key) {
        return x.kind != TraceEntry::Kind::Decision && static_cast<int>(x.id) == key;
      },
      static_cast<int>(id));
  if (e == nullptr || e->failed) {
    stopped_ = true;
    return std::nullopt;
  }
  return e->value;
}

std::optional<bool> Lines::decision(Decision d, std::string_view yes, std::string_view no,
                                    bool quiet_if_empty) {
  const TraceEntry* e = find(
      [](const TraceEntry& x, int key) {
        return x.kind == TraceEntry::Kind::Decision && static_cast<int>(x.decision) == key;
      },
      static_cast<int>(d));
  if (e == nullptr) return std::nullopt;
  if (e->kind != TraceEntry::Kind::Decision || e->failed) {
    if (e->kind == TraceEntry::Kind::Decision) {
      section_.lines.push_back({relation(reader_.trace, *e)});
    } else {  // a formula on the way failed
      --reader_.next;
      value(e->id);
    }
    stopped_ = true;
    return std::nullopt;
  }
  mark_shown(reader_.trace.nodes(*e));
  mark_shown(reader_.trace.right_nodes(*e));
  const std::string_view then = e->outcome ? yes : no;
  if (!(then.empty() && quiet_if_empty)) {
    std::string line = relation(reader_.trace, *e);
    if (!then.empty()) line.append("，").append(then);
    section_.lines.push_back({std::move(line)});
  }
  return e->outcome;
}

void Lines::text(std::string line) {
  if (!stopped_) section_.lines.push_back({std::move(line)});
}

void Lines::name(std::string_view constant, std::string_view meaning) {
  if (stopped_ || !writer_.named.insert(constant).second) return;
  section_.lines.push_back({"式中 " + std::string(meaning)});
}

void Lines::add_check(std::size_t index) {
  const DesignCheck& check = writer_.report.checks[index];
  if (check.key == CheckKey::CrackWidth) {
    const CrackLimit limit = crack_limit_of(writer_.info);
    std::string line = "裂缝宽度限值 [w] = " + exact_text(limit.mm) + kNbsp + "mm";
    switch (limit.source) {
      case CrackLimit::Source::Default:
        line += "（默认值）";
        break;
      case CrackLimit::Source::Given:
        line += "（计算书信息）";
        break;
      case CrackLimit::Source::Refused:
        line += "（计算书信息中的“" + writer_.info.crack_limit + "”不是正数，按默认值）";
        break;
    }
    section_.lines.push_back({line});
    writer_.shown.set(static_cast<std::size_t>(Q::w_limit));
  }
  section_.lines.push_back(check_line(check));
  writer_.check_sections[index] = writer_.numbered;
}

void Lines::checks_after(Q id) {
  const std::vector<DesignCheck>& checks = writer_.report.checks;
  for (std::size_t i = 0; i < checks.size(); ++i) {
    if (writer_.check_sections[i] == 0 && checks[i].part == reader_.part &&
        check_rule(checks[i].key).after == id) {
      add_check(i);
    }
  }
}

void Lines::remaining_checks() {
  const std::vector<DesignCheck>& checks = writer_.report.checks;
  for (std::size_t i = 0; i < checks.size(); ++i) {
    if (writer_.check_sections[i] == 0 && checks[i].part == reader_.part) add_check(i);
  }
}

namespace {

void section_lines(Lines& out) {
  out.value(Q::dv);
  out.value(Q::b);
  out.value(Q::h);
  out.value(Q::a);
  out.value(Q::h0);
  out.value(Q::t);
  out.value(Q::as_b);
  out.name("0.785", "0.785 为圆形钢筋面积与直径平方之比（π/4 取 0.785）");
  out.value(Q::as_t);
  out.value(Q::asv);
  out.name("1000 / s", "× 1000 / s_{v} 换算为每米梁长的面积");
  out.value(Q::as_t_req);
  out.name("100", "× 100 将 cm² 换算为 mm²");
  out.value(Q::as_b_req);
  out.value(Q::asv_req);
}

void redistribution_lines(Lines& out) {
  out.value(Q::beta);
  out.value(Q::moved);
  out.value(Q::as_t_req_r);
  out.value(Q::as_b_req_r);
}

void crack_lines(Lines& out) {
  out.value(Q::ate);
  out.name("0.5 b h", "0.5 × b × h 为受弯构件的有效受拉混凝土截面面积");
  out.value(Q::mk);
  out.value(Q::sigma_s);
  out.name("0.87", "10^{6} 将 kN·m 换算为 N·mm，0.87 为内力臂系数，钢板按全部面积计入");
  out.value(Q::rho_te);
  out.name("0.9 A_a", "0.9 为钢板面积计入有效配筋的折减系数");
  if (!out.value(Q::psi_raw)) return;
  out.name("1.1 0.65", "1.1、0.65 为 GBJ 10-89 的 ψ 公式系数，ψ 取 0.4～1");
  // ψ held between its bounds
  const double raw = *out.trace().value(Q::psi_raw);
  const std::optional<double> psi = out.quietly(Q::psi);
  if (!psi) return;
  if (*psi != raw) {
    out.text(std::string("ψ") + (raw < *psi ? " < " : " > ") + exact_text(*psi) +
             "，取 ψ = " + exact_text(*psi));
  }
  out.value(Q::d);
  out.name("D", "√((0.9 × A_{a} + A_{s,b}) / 0.785) 为面积等于 0.9A_{a} + A_{s,b} 的单根钢筋直径");
  out.value(Q::c);
  out.name("c", "c 取受拉边至钢筋重心的距离减 10 mm");
  out.value(Q::w_max);
  out.name("2.1", "2.1 为受弯构件的受力特征系数，2.7 为保护层厚度项的系数（GBJ 10-89），ν 见材料");
  out.value(Q::w);
}

// The selected width, the plate area it gives and the crack check that follows.
void width_lines(Lines& out) {
  out.value(Q::sel_b);
  out.value(Q::aa);
  crack_lines(out);
}

// One face's plate: the decision, the widths, their checks and the anchorage.
struct Face {
  Decision needed;
  Q shortfall, width, selected;
  const char* name;  // "梁底"
  std::string_view plate_role, width_role;
};

// True when the face needs a plate and its lines went on to the end.
bool plate_lines(Lines& out, const Writer& writer, const Face& face) {
  const std::string& result = writer.written(face.plate_role);
  const std::optional<bool> needed =
      out.decision(face.needed, std::string(face.name) + "需贴钢板",
                   result + "，实选宽度为 " + writer.written(face.width_role));
  if (!needed.value_or(false)) return false;
  out.value(face.shortfall);
  if (!out.value(face.width)) return false;
  out.name("0.9 plate", "0.9 为钢板强度折减系数（b_{a} × t × 0.9 × f_{a} = ΔA_{s} × f_{y}）");
  if (!out.value(face.selected, {}, "（计算宽度向下取整）")) return false;
  out.text(std::string(face.name) + "钢板：" + result);
  return true;
}

void anchorage_lines(Lines& out) {
  out.value(Q::la);
  out.value(Q::la_used, {}, "（计算锚固长度向上取整至毫米）");
}

void bottom_plate_section(Writer& writer, TraceReader& main) {
  Lines out(writer, writer.add_section("梁底钢板"), main);
  if (!plate_lines(out, writer,
                   {Decision::BottomNeeded, Q::short_b, Q::width_b, Q::sel_b, "梁底",
                    role::bottom_plate, role::bottom_width})) {
    return;
  }
  // Calculate's own crack check supersedes this one; shown only when the run stopped before it.
  const CalculateRun& calc = writer.design.calculate;
  const bool own_check =
      std::ranges::any_of(calc.trace.entries(), [](const TraceEntry& e) { return e.id == Q::ate; });
  if (!own_check && calc.shown_width.trace.has(Q::sel_b)) {
    ReportSection& section = writer.report.sections.back();
    section.lines.push_back(
        {"实选宽度写入 " + writer.written(role::bottom_width) + " 后随即验算裂缝："});
    TraceReader first{calc.shown_width.trace, RunPart::FirstCrackCheck};
    Lines check(writer, section, first);
    width_lines(check);
    check.remaining_checks();
    if (check.stopped()) return;
  }
  anchorage_lines(out);
}

void top_plate_section(Writer& writer, TraceReader& main) {
  Lines out(writer, writer.add_section("梁面钢板"), main);
  if (plate_lines(out, writer,
                  {Decision::TopNeeded, Q::short_t, Q::width_t, Q::sel_t, "梁面", role::top_plate,
                   role::top_width})) {
    anchorage_lines(out);
  }
}

void u_plate_section(Writer& writer, TraceReader& main) {
  Lines out(writer, writer.add_section("梁侧U型钢板"), main);
  const std::string& result = writer.written(role::side_u_plates);
  if (!out.decision(Decision::StirrupsShort, "箍筋不足，梁侧贴U型钢板", result).value_or(false)) {
    return;
  }
  out.value(Q::asv_short);
  out.name("0.9 u", "0.9 为U型钢板强度折减系数");
  out.value(Q::su);
  out.value(Q::lu);
  out.name("1.5", "1.5 为箍板高度与间距之比");
  out.value(Q::lu_max);
  if (main.trace.decision(Decision::LuTooLarge).value_or(false)) {
    out.text("梁侧U型钢板：" + result);
    return;
  }
  out.value(Q::tu);
  if (!out.value(Q::bu)) return;
  out.name("2 sides", "2 为梁的两侧");
  out.value(Q::bu_sel);
  out.text("梁侧U型钢板：" + result);
}

void plate_area_section(Writer& writer, TraceReader& main) {
  Lines out(writer, writer.add_section("梁底钢板计入面积"), main);
  const std::optional<bool> needed =
      out.decision(Decision::BottomNeeded, "", "", /*quiet_if_empty=*/true);
  if (!needed) return;
  if (*needed) {
    out.value(Q::aa, "梁底钢板计入面积（按计算宽度）");
  } else {
    out.text("梁底无需加固，裂缝验算不计钢板：A_{a} = 0");
  }
}

void stop_section(Writer& writer, const std::optional<CalcError>& error) {
  ReportSection& section = writer.add_section("计算中断");
  section.lines.push_back(stop_line(error));
  section.lines.push_back({"以下各步未计算。"});
}

bool reached(const Trace& trace, Q id) {
  return std::ranges::any_of(trace.entries(), [id](const TraceEntry& e) {
    return e.kind != TraceEntry::Kind::Decision && e.id == id;
  });
}

}  // namespace

void add_calculate_steps(Writer& writer) {
  const CalculateRun& calc = writer.design.calculate;
  TraceReader main{calc.trace, RunPart::Calculate};
  {
    Lines out(writer, writer.add_section("截面与钢筋"), main);
    section_lines(out);
  }
  if (reached(calc.trace, Q::beta)) {
    Lines out(writer, writer.add_section("梁面筋调幅"), main);
    redistribution_lines(out);
  }
  if (calc.trace.decision(Decision::BottomNeeded)) bottom_plate_section(writer, main);
  if (calc.trace.decision(Decision::TopNeeded)) top_plate_section(writer, main);
  if (calc.trace.decision(Decision::StirrupsShort)) u_plate_section(writer, main);
  if (reached(calc.trace, Q::aa)) plate_area_section(writer, main);
  if (reached(calc.trace, Q::ate)) {
    Lines out(writer, writer.add_section("加固后裂缝验算"), main);
    crack_lines(out);
    out.remaining_checks();
  }
  if (!calc.finished) stop_section(writer, calc.error);
}

namespace {

// "（输入“abc”）" where the text as typed reads otherwise than its number.
std::string as_typed(const Trace& trace, Q id, const std::string& typed) {
  const std::optional<double> value = trace.value(id);
  if (value && typed == number_text(*value)) return {};
  return "（输入“" + typed + "”）";
}

void width_edit_section(Writer& writer, const WidthEditRun& edit) {
  ReportSection& section = writer.add_section("修改实选宽度后的裂缝验算");
  TraceReader reader{edit.trace, RunPart::WidthEdit};
  Lines out(writer, section, reader);
  out.text("计算后实选宽度改为“" + edit.typed + "”，裂缝重新验算：");
  width_lines(out);
  out.remaining_checks();
  if (edit.error) section.lines.push_back(stop_line(edit.error));
}

void hoop_lines(Lines& out, const Writer& writer, const HoopRun& hoop) {
  const Trace& trace = hoop.trace;
  out.value(Q::la_act, std::string(quantity(Q::la_act).meaning) +
                           as_typed(trace, Q::la_act, hoop.actual_typed));
  out.value(Q::la, "计算锚固长度（按计算锚固长度栏所示）");
  const std::string& result = writer.written(role::hoop_plates);
  if (out.decision(Decision::AnchorageEnough, result, "需加箍").value_or(true)) return;
  out.decision(Decision::FirstFormula, "按第一式（折减系数 0.7）", "按第二式");
  out.name("3.6", "3.6 N/mm² 为U型箍板在 b × b_{u} 面积上所能发挥的强度");
  out.value(Q::sel_b,
            std::string(quantity(Q::sel_b).meaning) + as_typed(trace, Q::sel_b, hoop.width_typed));
  if (!out.value(Q::nh)) return;
  out.name("0.5 fcv", "0.5 × f_{cv} × b × l_{a,act} 为实际锚固长度内混凝土承担的拉力");
  if (out.decision(Decision::NoForceLeft, "混凝土已足以承担钢板拉力，" + result, "", true)
          .value_or(true)) {
    return;
  }
  out.value(Q::nh_raw);
  out.value(Q::nh_count);
  out.text("U型箍板：" + result);
}

void hoop_section(Writer& writer, const HoopRun& hoop) {
  ReportSection& section = writer.add_section("钢板端部锚固区U型箍板");
  TraceReader reader{hoop.trace, RunPart::Hoops};
  Lines out(writer, section, reader);
  hoop_lines(out, writer, hoop);
  if (!hoop.finished) section.lines.push_back(stop_line(hoop.error));
  out.remaining_checks();
}

}  // namespace

void add_later_handlers(Writer& writer) {
  const DesignTrace& d = writer.design;
  const bool edit_first = d.width_edit && (!d.hoops || d.width_edit->sequence < d.hoops->sequence);
  if (edit_first) width_edit_section(writer, *d.width_edit);
  if (d.hoops) hoop_section(writer, *d.hoops);
  if (d.width_edit && !edit_first) width_edit_section(writer, *d.width_edit);
}

}  // namespace platewise::report
