#include "design_checks.h"

#include <algorithm>
#include <cmath>

#include "calc_error.h"
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

void thickness_check(std::vector<DesignCheck>& out, std::string_view key, std::string_view what,
                     double t) {
  if (t < 2) {
    out.push_back(
        {key, NotSatisfied, compared({std::string(what), t, true}, "<", {"", 2, true}, "mm")});
  } else if (t > 6) {
    out.push_back(
        {key, NotSatisfied, compared({std::string(what), t, true}, ">", {"", 6, true}, "mm")});
  } else {
    out.push_back(
        {key, Satisfied,
         std::string(what) + " " + exact_text(t) + kNbsp + "mm，在 2～6" + kNbsp + "mm 之内"});
  }
}

double at_least_100(double percent) { return percent >= 100 ? 1 : 0; }

// The plate area provided (width used × t) against the area the calculated width gives.
void area_check(std::vector<DesignCheck>& out, std::string_view key, const std::string& face,
                double used, const PlateRecord& plate, double t) {
  const double provided = used * t, required = *plate.width * t;
  const std::string ratio = approx_text_keeping(provided / required * 100, at_least_100) + "%";
  const Side left{face + "钢板面积", provided, false}, right{"所需", required, false};
  if (provided >= required) {
    out.push_back({key, Satisfied, compared(left, "≥", right, "mm²") + "（" + ratio + "）"});
  } else if (used >= *plate.shown) {
    out.push_back(
        {key, Attention, compared(left, "<", right, "mm²") + "（" + ratio + "，因宽度向下取整）"});
  } else {
    out.push_back({key, NotSatisfied,
                   compared(left, "<", right, "mm²") + "（" + ratio + "，实选宽度 " +
                       exact_text(used) + kNbsp + "mm 小于 " + exact_text(*plate.shown) + kNbsp +
                       "mm）"});
  }
}

void plate_checks(std::vector<DesignCheck>& out, const CalcRecord& record) {
  const CalculateRecord& calc = record.calculate;
  const bool any_plate = calc.bottom.needed.value_or(false) || calc.top.needed.value_or(false);
  if (any_plate && calc.section.t)
    thickness_check(out, "plate_thickness", "钢板厚", *calc.section.t);
  // A plate is sized only after the section was read: b and t are on record.
  const WidthEditRecord* used = width_in_use(record);
  if (calc.bottom.width && used != nullptr) {
    const double width = *used->width, b = *calc.section.b, t = *calc.section.t;
    out.push_back(
        {"bottom_plate_width", width <= b ? Satisfied : NotSatisfied,
         compared({"梁底钢板宽", width, true}, width <= b ? "≤" : ">", {"梁宽", b, true}, "mm")});
    area_check(out, "bottom_plate_area", "梁底", width, calc.bottom, t);
  }
  if (calc.top.shown) {
    const double width = *calc.top.shown, b = *calc.section.b, t = *calc.section.t;
    if (width <= b) {
      out.push_back({"top_plate_width", Satisfied,
                     compared({"梁面钢板宽", width, true}, "≤", {"梁宽", b, true}, "mm")});
    } else {
      out.push_back({"top_plate_width", Attention,
                     compared({"梁面钢板宽", width, true}, ">", {"梁宽", b, true}, "mm") +
                         "（仅当楼板延续梁顶面时可行）"});
    }
    area_check(out, "top_plate_area", "梁面", width, calc.top, t);
  }
}

void u_plate_checks(std::vector<DesignCheck>& out, const SideUPlateRecord& u) {
  if (u.lu && u.lu_limit) {
    const bool fits = *u.lu <= *u.lu_limit;
    out.push_back(
        {"u_plate_height", fits ? Satisfied : NotSatisfied,
         compared({"箍板高度", *u.lu, true}, fits ? "≤" : ">", {"限值", *u.lu_limit, false}, "mm") +
             "（梁高 − 150" + kNbsp + "mm）"});
  }
  if (u.t) thickness_check(out, "u_plate_thickness", "U型钢板厚", *u.t);
}

double whole(double value) { return std::floor(value); }

void hoop_check(std::vector<DesignCheck>& out, const HoopRecord& h) {
  if (!h.count) return;  // the quotient, the force and the sizes came before it
  const double count = *h.count, b = *h.b, bu = *h.u_bu;
  const double capacity = *h.first_formula ? count * 0.7 * 3.6 * b * bu : count * 3.6 * b * bu;
  const Side left{"箍板 " + exact_text(count) + " 个可承担", capacity, false};
  const Side right{"需承担", *h.excess, false};
  const std::string quotient = "计算箍板数 " + approx_text_keeping(*h.quotient, whole);
  if (count >= *h.quotient) {
    out.push_back(
        {"hoop_count", Satisfied, compared(left, "≥", right, "N") + "（" + quotient + "）"});
  } else {
    out.push_back({"hoop_count", Attention,
                   compared(left, "<", right, "N") + "（" + quotient + "，需 " +
                       exact_text(count + 1) + " 个）"});
  }
}

}  // namespace

std::string_view verdict_word(Verdict verdict) {
  switch (verdict) {
    case Satisfied:
      return "满足";
    case Attention:
      return "注意";
    case NotSatisfied:
      break;
  }
  return "不满足";
}

CrackLimit crack_limit_of(const ReportInfo& info) {
  if (info.crack_limit.find_first_not_of(" \t\r\n") == std::string::npos) return {};
  try {
    const double limit = number_of_text(info.crack_limit);
    if (limit > 0) return {limit, CrackLimit::Source::Given};
  } catch (const ArithmeticFault&) {
    // too large to read: not a limit either
  }
  return {0.3, CrackLimit::Source::Refused};
}

std::vector<DesignCheck> design_checks(const CalcRecord& record, const ReportInfo& info) {
  std::vector<DesignCheck> out;
  if (!record.calculated) return out;
  plate_checks(out, record);
  u_plate_checks(out, record.calculate.u_plates);
  if (const CrackRecord* crack = shown_crack_check(record)) {
    const double w = *crack->w, limit = crack_limit_of(info).mm;
    out.push_back(
        {"crack_width", w <= limit ? Satisfied : NotSatisfied,
         compared({"裂缝宽度", w, true}, w <= limit ? "≤" : ">", {"限值", limit, true}, "mm")});
  }
  if (record.hoops) hoop_check(out, *record.hoops);
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
  std::size_t failures = 0, attention = 0;
  for (const DesignCheck& check : checks) {
    if (check.verdict == NotSatisfied) {
      failed.append(failures++ == 0 ? "" : "；").append(check.text);
    }
    if (check.verdict == Attention) ++attention;
  }
  if (failures == 0 && attention == 0) {
    return "验算：" + std::to_string(checks.size()) + " 项均满足";
  }
  std::string summary = "验算：";
  if (failures > 0) summary += std::to_string(failures) + " 项不满足（" + failed + "）";
  if (failures > 0 && attention > 0) summary += "，";
  if (attention > 0) summary += std::to_string(attention) + " 项注意";
  return summary;
}

std::vector<const DesignCheck*> by_weight(std::span<const DesignCheck> checks) {
  std::vector<const DesignCheck*> ordered;
  for (const Verdict verdict : {NotSatisfied, Attention, Satisfied}) {
    for (const DesignCheck& check : checks) {
      if (check.verdict == verdict) ordered.push_back(&check);
    }
  }
  return ordered;
}

}  // namespace platewise
