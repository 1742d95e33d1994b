#include "design_checks.h"

#include <algorithm>
#include <cmath>

#include "calc_error.h"
#include "crack_limit.h"
#include "hoop_constants.h"
#include "number_rules.h"
#include "report_numbers.h"

namespace platewise {
namespace {

using enum Verdict;

// One side of a comparison: what it is and its value, written in full (a
// value as the window shows it) or to 4 significant figures.
struct Side {
  std::string label;  // "梁宽"; empty: the number alone
  double value;
  bool exact;
};

std::string shown(const Side& side) {
  return side.exact ? exact_text(side.value) : approx_text(side.value);
}

// "梁底钢板宽 331 mm > 梁宽 330 mm". Under a strict sign, two sides that
// would look alike give their difference: "梁底钢板面积比所需小 0.02 mm²".
std::string compared(const Side& left, std::string_view sign, const Side& right,
                     std::string_view unit) {
  const std::string unit_text = std::string(kNbsp) + std::string(unit);
  const std::string l = shown(left), r = shown(right);
  if ((sign == "<" || sign == ">") && l == r) {
    const std::string other = right.label.empty() ? r + unit_text : right.label;
    return std::string(left.label) + "比" + other + (sign == ">" ? "大 " : "小 ") +
           approx_text(std::fabs(left.value - right.value)) + unit_text;
  }
  std::string text(left.label);
  if (!text.empty()) text += ' ';
  text.append(l).append(unit_text).append(" ").append(sign).append(" ");
  if (!right.label.empty()) text.append(right.label).append(" ");
  return text.append(r).append(unit_text);
}

void thickness_check(Checks& out, CheckKey key, std::string_view what, double t) {
  const std::string w(what);
  if (t < 2 || t > 6) {
    out.add(key, NotSatisfied, [&] {
      return compared({w, t, true}, t < 2 ? "<" : ">", {"", t < 2 ? 2.0 : 6.0, true}, "mm");
    });
    return;
  }
  out.add(key, Satisfied,
          [&] { return w + " " + exact_text(t) + kNbsp + "mm，在 2～6" + kNbsp + "mm 之内"; });
}

double at_least_100(double percent) { return percent >= 100 ? 1 : 0; }

double plate_area(double width, double t) { return width * t; }

// The plate area provided (width used × t) against the area the calculated width gives.
void area_check(Checks& out, CheckKey key, std::string_view face, double used, double calculated,
                double shown_width, double t, RunPart part = RunPart::Calculate) {
  const double provided = plate_area(used, t), required = plate_area(calculated, t);
  const Verdict verdict = provided >= required  ? Satisfied
                          : used >= shown_width ? Rounding
                                                : NotSatisfied;
  out.add(
      key, verdict,
      [&] {
        const std::string ratio =
            approx_text_keeping(provided / required * 100, at_least_100) + "%";
        const Side left{std::string(face) + "钢板面积", provided, false};
        const Side right{"所需", required, false};
        if (verdict == Satisfied) return compared(left, "≥", right, "mm²") + "（" + ratio + "）";
        if (verdict == Rounding) {
          return compared(left, "<", right, "mm²") + "（" + ratio + "，因宽度向下取整）";
        }
        return compared(left, "<", right, "mm²") + "（" + ratio + "，实选宽度 " + exact_text(used) +
               kNbsp + "mm 小于 " + exact_text(shown_width) + kNbsp + "mm）";
      },
      part);
}

const Trace* calculate_trace(const DesignTrace& d) { return d.trace(RunPart::Calculate); }

void plate_thickness(const DesignTrace& d, const ReportInfo&, Checks& out) {
  const Trace* calc = calculate_trace(d);
  if (calc == nullptr || !calc->has(Q::t)) return;
  const bool any_plate = calc->decision(Decision::BottomNeeded).value_or(false) ||
                         calc->decision(Decision::TopNeeded).value_or(false);
  if (any_plate) thickness_check(out, CheckKey::PlateThickness, "钢板厚", *calc->value(Q::t));
}

// The selected width in use, and the part whose report shows its checks.
struct WidthInUse {
  double width;
  RunPart part;
};
std::optional<WidthInUse> bottom_width_in_use(const DesignTrace& d) {
  const Trace* calc = calculate_trace(d);
  const std::optional<RunPart> part = width_in_use(d);
  if (calc == nullptr || !calc->has(Q::width_b) || !part) return std::nullopt;
  // A plate is sized only after the section was read: b and t are on record.
  const double width = *d.trace(*part)->value(Q::sel_b);
  return WidthInUse{width, *part == RunPart::WidthEdit ? RunPart::WidthEdit : RunPart::Calculate};
}

void bottom_plate_width(const DesignTrace& d, const ReportInfo&, Checks& out) {
  const std::optional<WidthInUse> used = bottom_width_in_use(d);
  if (!used) return;
  const double b = *calculate_trace(d)->value(Q::b);
  const bool fits = used->width <= b;
  out.add(
      CheckKey::BottomPlateWidth, fits ? Satisfied : kWideBottomPlate,
      [&] {
        return compared({"梁底钢板宽", used->width, true}, fits ? "≤" : ">", {"梁宽", b, true},
                        "mm");
      },
      used->part);
}

void bottom_plate_area(const DesignTrace& d, const ReportInfo&, Checks& out) {
  const std::optional<WidthInUse> used = bottom_width_in_use(d);
  if (!used) return;
  const Trace& calc = *calculate_trace(d);
  area_check(out, CheckKey::BottomPlateArea, "梁底", used->width, *calc.value(Q::width_b),
             *calc.value(Q::sel_b), *calc.value(Q::t), used->part);
}

void top_plate_width(const DesignTrace& d, const ReportInfo&, Checks& out) {
  const Trace* calc = calculate_trace(d);
  if (calc == nullptr || !calc->has(Q::sel_t)) return;
  const double width = *calc->value(Q::sel_t), b = *calc->value(Q::b);
  const bool fits = width <= b;
  out.add(CheckKey::TopPlateWidth, fits ? Satisfied : kWideTopPlate, [&] {
    const std::string text =
        compared({"梁面钢板宽", width, true}, fits ? "≤" : ">", {"梁宽", b, true}, "mm");
    return fits ? text : text + "（仅当楼板延续梁顶面时可行）";
  });
}

void top_plate_area(const DesignTrace& d, const ReportInfo&, Checks& out) {
  const Trace* calc = calculate_trace(d);
  if (calc == nullptr || !calc->has(Q::sel_t)) return;
  const double width = *calc->value(Q::sel_t);
  area_check(out, CheckKey::TopPlateArea, "梁面", width, *calc->value(Q::width_t), width,
             *calc->value(Q::t));
}

void u_plate_height(const DesignTrace& d, const ReportInfo&, Checks& out) {
  const Trace* calc = calculate_trace(d);
  if (calc == nullptr || !calc->has(Q::lu) || !calc->has(Q::lu_max)) return;
  const double lu = *calc->value(Q::lu), limit = *calc->value(Q::lu_max);
  const bool fits = lu <= limit;
  out.add(CheckKey::UPlateHeight, fits ? Satisfied : NotSatisfied, [&] {
    return compared({"箍板高度", lu, true}, fits ? "≤" : ">", {"限值", limit, false}, "mm") +
           "（梁高 − 150" + kNbsp + "mm）";
  });
}

void u_plate_thickness(const DesignTrace& d, const ReportInfo&, Checks& out) {
  const Trace* calc = calculate_trace(d);
  if (calc != nullptr && calc->has(Q::tu)) {
    thickness_check(out, CheckKey::UPlateThickness, "U型钢板厚", *calc->value(Q::tu));
  }
}

void crack_width(const DesignTrace& d, const ReportInfo& info, Checks& out) {
  const std::optional<RunPart> part = shown_crack_check(d);
  if (!part) return;
  const double w = *d.trace(*part)->value(Q::w), limit = crack_limit_of(info).mm;
  const bool fits = w <= limit;
  out.add(
      CheckKey::CrackWidth, fits ? Satisfied : NotSatisfied,
      [&] {
        return compared({"裂缝宽度", w, true}, fits ? "≤" : ">", {"限值", limit, true}, "mm");
      },
      *part);
}

double whole(double value) { return std::floor(value); }

void hoop_count(const DesignTrace& d, const ReportInfo&, Checks& out) {
  if (!d.hoops) return;
  const Trace& h = d.hoops->trace;
  if (d.hoops->error && d.hoops->error->kind == FaultKind::UndeterminedHoopWidth) {
    out.add(
        CheckKey::HoopCount, NotSatisfied,
        [&] {
          return "实际锚固长度不足，钢板拉力 " + approx_text(*h.value(Q::nh)) + kNbsp +
                 "N 中混凝土承担不了的部分无U型箍板承担（箍板宽度未定）";
        },
        RunPart::Hoops);
    return;
  }
  if (!h.has(Q::nh_count)) return;  // the quotient, the force and the sizes came before it
  const double count = *h.value(Q::nh_count), b = *h.value(Q::b), bu = *h.value(Q::bu);
  const double one = *h.decision(Decision::FirstFormula)
                         ? kFirstFormulaFactor * kHoopStrength * b * bu
                         : kHoopStrength * b * bu;
  const bool enough = count >= *h.value(Q::nh_raw);
  out.add(
      CheckKey::HoopCount, enough ? Satisfied : Attention,
      [&] {
        const Side left{"箍板 " + exact_text(count) + " 个可承担", count * one, false};
        const Side right{"需承担", *h.value(Q::nh), false};
        const std::string quotient =
            "计算箍板数 " + approx_text_keeping(*h.value(Q::nh_raw), whole);
        if (enough) return compared(left, "≥", right, "N") + "（" + quotient + "）";
        return compared(left, "<", right, "N") + "（" + quotient + "，需 " + exact_text(count + 1) +
               " 个）";
      },
      RunPart::Hoops);
}

void list_items(const DesignTrace& d, const ReportInfo&, Checks& out) {
  if (!d.calculated) return;
  const std::span<const InputField* const> fields = calculate_inputs();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const InputField& field = *fields[i];
    const std::string& text = d.calculate.inputs[i];
    if (field.kind != FieldKind::List || field.item_named(text) >= 0) continue;
    out.add(CheckKey::ListItem, Attention, [&] { return unlisted_item_notice(field, text); });
  }
}

// clang-format off
constexpr CheckRule kRules[] = {
    {CheckKey::ListItem,         "list_item",          "下拉列表输入",   Q::count_, list_items},
    {CheckKey::PlateThickness,   "plate_thickness",    "钢板厚度",       Q::t,      plate_thickness},
    {CheckKey::BottomPlateWidth, "bottom_plate_width", "梁底钢板宽度",   Q::sel_b,  bottom_plate_width},
    {CheckKey::BottomPlateArea,  "bottom_plate_area",  "梁底钢板面积",   Q::sel_b,  bottom_plate_area},
    {CheckKey::TopPlateWidth,    "top_plate_width",    "梁面钢板宽度",   Q::sel_t,  top_plate_width},
    {CheckKey::TopPlateArea,     "top_plate_area",     "梁面钢板面积",   Q::sel_t,  top_plate_area},
    {CheckKey::UPlateHeight,     "u_plate_height",     "U型钢板高度",    Q::lu_max, u_plate_height},
    {CheckKey::UPlateThickness,  "u_plate_thickness",  "U型钢板厚度",    Q::tu,     u_plate_thickness},
    {CheckKey::CrackWidth,       "crack_width",        "裂缝宽度",       Q::w,      crack_width},
    {CheckKey::HoopCount,        "hoop_count",         "U型箍板数",      Q::nh_count, hoop_count},
};
// clang-format on

}  // namespace

std::string_view verdict_word(Verdict verdict) {
  switch (verdict) {
    case Satisfied:
      return "满足";
    case Rounding:
      return "注意（取整）";
    case Attention:
      return "注意";
    case NotSatisfied:
      break;
  }
  return "不满足";
}

std::span<const CheckRule> check_rules() { return kRules; }

const CheckRule& check_rule(CheckKey key) {
  return *std::ranges::find(kRules, key, &CheckRule::key);  // every key has its row
}

CrackLimit crack_limit_of(const ReportInfo& info) {
  if (info.crack_limit.find_first_not_of(" \t\r\n") == std::string::npos) return {};
  if (const std::optional<double> limit = crack_limit_mm(info.crack_limit)) {
    return {*limit, CrackLimit::Source::Given};
  }
  return {kDefaultCrackLimitMm, CrackLimit::Source::Refused};
}

void design_checks(const DesignTrace& design, const ReportInfo& info, CheckTexts texts,
                   std::vector<DesignCheck>& out) {
  out.clear();
  if (!design.calculated) return;
  Checks checks(out, texts);
  for (const CheckRule& rule : kRules) rule.work(design, info, checks);
}

std::vector<DesignCheck> design_checks(const DesignTrace& design, const ReportInfo& info,
                                       CheckTexts texts) {
  std::vector<DesignCheck> out;
  design_checks(design, info, texts, out);
  return out;
}

std::optional<Verdict> worst_verdict(std::span<const DesignCheck> checks) {
  std::optional<Verdict> worst;
  for (const DesignCheck& check : checks) {
    if (!worst || check.verdict > *worst) worst = check.verdict;
  }
  return worst;
}

std::string checks_summary(std::span<const DesignCheck> checks) {
  if (checks.empty()) return {};
  std::string failed;
  std::size_t failures = 0, attention = 0, rounding = 0;
  for (const DesignCheck& check : checks) {
    if (check.verdict == NotSatisfied) {
      failed.append(failures++ == 0 ? "" : "；").append(check.text);
    }
    if (check.verdict == Attention) ++attention;
    if (check.verdict == Rounding) ++rounding;
  }
  if (failures == 0 && attention == 0 && rounding == 0) {
    return "验算：" + std::to_string(checks.size()) + " 项均满足";
  }
  std::string summary = "验算：";
  const auto part = [&](std::size_t n, const std::string& what) {
    if (n == 0) return;
    if (summary.size() > std::string("验算：").size()) summary += "，";
    summary += std::to_string(n) + " 项" + what;
  };
  part(failures, "不满足（" + failed + "）");
  part(attention, "注意");
  part(rounding, "注意（取整）");
  return summary;
}

std::vector<const DesignCheck*> by_weight(std::span<const DesignCheck> checks) {
  std::vector<const DesignCheck*> ordered;
  for (const Verdict verdict : {NotSatisfied, Attention, Rounding, Satisfied}) {
    for (const DesignCheck& check : checks) {
      if (check.verdict == verdict) ordered.push_back(&check);
    }
  }
  return ordered;
}

}  // namespace platewise
