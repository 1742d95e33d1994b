#pragma once
// The checks of a design: each compares what the handlers computed with a
// limit and ends in a verdict. They change no result; they are worked out
// from the handlers' traces only when the report, the window's status line
// or the calc output asks, never while the handlers run. A check that no
// run reached is not listed.
//
// Every check is one row of one table (check_rules()): its key, as files and
// programs see it, its name, the quantity after whose line the report shows
// it, and the function that works it out. Adding a check is adding a row.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "crack_limit.h"
#include "design_trace.h"
#include "report_info.h"
#include "verdict.h"

namespace platewise {

enum class CheckKey {
  PlateThickness,    // 2 mm ≤ t ≤ 6 mm, else 不满足 (when a plate is sized)
  BottomPlateWidth,  // the selected width in use ≤ b, else 不满足
  BottomPlateArea,   // selected width × t against the calculated width × t:
                    // short only by the rounding down → 注意（取整）, narrower typed → 不满足
  TopPlateWidth,  // the shown top width ≤ b, else 注意 (a slab may carry it)
  TopPlateArea,  // shown top width × t against the calculated width × t, short → 注意（取整）
  UPlateHeight,     // Lu ≤ h − 150, else 不满足
  UPlateThickness,  // 2 mm ≤ tu ≤ 6 mm, else 不满足
  CrackWidth,       // the crack width shown ≤ [w], else 不满足
  HoopCount,        // the hoops' capacity against the force left to them: the count
                    // rounded down carries less → 注意; no hoop width → 不满足
  ListItem,         // a drop-down's text names no item → 注意, what stood in for it
};

// What a plate wider than the beam comes to, for the checks and the sketch:
// under the soffit it cannot be; on the top face a slab may carry it.
inline constexpr Verdict kWideBottomPlate = Verdict::NotSatisfied;
inline constexpr Verdict kWideTopPlate = Verdict::Attention;

struct DesignCheck {
  CheckKey key;
  Verdict verdict;
  // The comparison with both numbers, without marks, units after U+00A0:
  // "梁底钢板宽 331 mm > 梁宽 330 mm".
  std::string text;
  RunPart part = RunPart::Calculate;  // whose trace it was worked out from

  bool operator==(const DesignCheck&) const = default;
};

// Whether the checks' texts are written, or left empty where only the
// verdicts are wanted (a CSV of many beams): texts cost most of a check.
enum class CheckTexts { Written, Left };

// Where the checks of a design are collected. A text is worked out only
// when texts are written.
class Checks {
 public:
  Checks(std::vector<DesignCheck>& out, CheckTexts texts) : out_(out), texts_(texts) {}

  template <class Text>
  void add(CheckKey key, Verdict verdict, const Text& text, RunPart part = RunPart::Calculate) {
    out_.push_back({key, verdict, texts_ == CheckTexts::Written ? std::string(text()) : "", part});
  }

 private:
  std::vector<DesignCheck>& out_;
  CheckTexts texts_;
};

struct CheckRule {
  CheckKey key;
  std::string_view file_key;  // "bottom_plate_width"
  std::string_view name;      // "梁底钢板宽度"
  // The report shows the check after the line of this quantity in its part;
  // Q::count_: among the materials.
  Q after;
  void (*work)(const DesignTrace&, const ReportInfo&, Checks&);
};
std::span<const CheckRule> check_rules();
const CheckRule& check_rule(CheckKey key);

// The crack-width limit [w] the checks use, from ReportInfo::crack_limit.
struct CrackLimit {
  enum class Source { Default, Given, Refused };  // Refused: not a positive number
  double mm = kDefaultCrackLimitMm;
  Source source = Source::Default;
};
CrackLimit crack_limit_of(const ReportInfo& info);

std::vector<DesignCheck> design_checks(const DesignTrace& design, const ReportInfo& info,
                                       CheckTexts texts = CheckTexts::Written);
// The same into `out`, reusing its room.
void design_checks(const DesignTrace& design, const ReportInfo& info, CheckTexts texts,
                   std::vector<DesignCheck>& out);

// The worst verdict; unset when there is no check.
std::optional<Verdict> worst_verdict(std::span<const DesignCheck> checks);

// "验算：1 项不满足（梁底钢板宽 331 mm > 梁宽 330 mm），1 项注意，2 项注意（取整）",
// "验算：6 项均满足"; empty when there is no check.
std::string checks_summary(std::span<const DesignCheck> checks);

// The checks for the report's conclusion: 不满足 first, then 注意, 注意（取整）,
// then 满足, each in the order of the run.
std::vector<const DesignCheck*> by_weight(std::span<const DesignCheck> checks);

}  // namespace platewise
