#pragma once
// The checks of a design: each compares what the handlers recorded with a
// limit and ends in a verdict. They change no result; they are worked out
// only when the report, the window's status line or the calc output asks,
// never while the handlers run. A check that no run reached is not listed.
//
// The checks, in the order of the run (keys as files and programs see them):
//   plate_thickness     2 mm ≤ t ≤ 6 mm, else 不满足 (when a plate is sized)
//   bottom_plate_width  the selected width in use ≤ b, else 不满足
//   bottom_plate_area   selected width × t against the calculated width × t:
//                       short only by the rounding down → 注意, narrower typed → 不满足
//   top_plate_width     the shown top width ≤ b, else 注意 (a slab may carry it)
//   top_plate_area      shown top width × t against the calculated width × t, short → 注意
//   u_plate_height      Lu ≤ h − 150, else 不满足
//   u_plate_thickness   2 mm ≤ tu ≤ 6 mm, else 不满足
//   crack_width         the crack width shown ≤ [w], else 不满足
//   hoop_count          the hoops' capacity against the force left to them:
//                       the count rounded down carries less → 注意

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc_record.h"
#include "report_info.h"
#include "verdict.h"

namespace platewise {

struct DesignCheck {
  std::string_view key;  // "bottom_plate_width"
  Verdict verdict;
  // The comparison with both numbers, without marks, units after U+00A0:
  // "梁底钢板宽 331 mm > 梁宽 330 mm".
  std::string text;

  bool operator==(const DesignCheck&) const = default;
};

// The crack-width limit [w] the checks use, from ReportInfo::crack_limit.
struct CrackLimit {
  enum class Source { Default, Given, Refused };  // Refused: not a positive number
  double mm = 0.3;
  Source source = Source::Default;
};
CrackLimit crack_limit_of(const ReportInfo& info);

std::vector<DesignCheck> design_checks(const CalcRecord& record, const ReportInfo& info);

// The worst verdict; unset when there is no check.
std::optional<Verdict> worst_verdict(std::span<const DesignCheck> checks);

// "验算：1 项不满足（梁底钢板宽 331 mm > 梁宽 330 mm），1 项注意", "验算：6 项均满足";
// empty when there is no check.
std::string checks_summary(std::span<const DesignCheck> checks);

// The checks for the report's conclusion: 不满足 first, then 注意, then 满足,
// each in the order of the run.
std::vector<const DesignCheck*> by_weight(std::span<const DesignCheck> checks);

}  // namespace platewise
