#pragma once
// Writing the report's sections from the handlers' traces: each formula line
// ("有效高度 h_{0} = h − a = 600 − 35 = 565 mm") is the formula the run
// computed, spelt out; each decision line the comparison it took. The
// sections only choose which lines come in which order and add the wording
// around them. Used by the report model's parts only.

#include <bitset>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "design_checks.h"
#include "design_trace.h"
#include "report_model.h"
#include "report_numbers.h"

namespace platewise::report {

// What the parts of one report share while they write it.
struct Writer {
  ReportModel& report;
  const DesignTrace& design;
  const ReportInfo& info;
  std::set<std::string_view> named;   // the constants already named
  std::bitset<kQuantityCount> shown;  // the quantities the lines show, for 符号说明
  std::vector<int>
      check_sections;  // for each of report.checks, the section it stands in; 0: none yet
  int numbered = 0;    // sections with a number so far

  Writer(ReportModel& r, const DesignTrace& d, const ReportInfo& i)
      : report(r), design(d), info(i), check_sections(r.checks.size(), 0) {}
  // A new numbered section: "5 梁底钢板".
  ReportSection& add_section(std::string_view title, SectionKind kind = SectionKind::Step);
  // The text a handler wrote last into the result field `key`; empty where none did.
  const std::string& written(std::string_view key) const;
};

// Reads the trace of one part of the design in the order of the run.
struct TraceReader {
  const Trace& trace;
  RunPart part;
  std::size_t next = 0;  // the first entry not yet read
};

// The lines of one section, read from a part's trace. A line the run did not
// reach ends the section; the line where it stopped says so.
class Lines {
 public:
  Lines(Writer& writer, ReportSection& section, TraceReader& reader)
      : writer_(writer), section_(section), reader_(reader) {}

  // "what symbol = formula = numbers = value unit", without formula and
  // numbers for a value read or looked up; `what` empty: the quantity's
  // meaning; `after` follows the unit. Then the checks shown after it.
  // False once the run stopped here or before.
  bool value(Q id, std::string_view what = {}, std::string_view after = {});
  // The value of the next entry of `id`, read without a line.
  std::optional<double> quietly(Q id);
  // "A_{s,b,req} > A_{s,b}：1800 > 1472，" then `yes` or `no` as it came out;
  // nothing when that text is empty and `quiet_if_empty`. The outcome, or
  // nullopt where the run stopped in or before it.
  std::optional<bool> decision(Decision d, std::string_view yes, std::string_view no,
                               bool quiet_if_empty = false);
  void text(std::string line);
  // "式中 0.9 为…": said once in a report, where `constant` is first used.
  void name(std::string_view constant, std::string_view meaning);
  // The checks of this part shown after the line of `id` (Q::count_: the materials').
  void checks_after(Q id);
  // The checks of this part not shown yet: at the end of a part that stopped.
  void remaining_checks();
  bool stopped() const { return stopped_; }
  const Trace& trace() const { return reader_.trace; }

 private:
  // The next entry for `match`; a failed entry on the way ends the section.
  const TraceEntry* find(bool (*match)(const TraceEntry&, int), int key);
  void add_check(std::size_t index);
  void mark_shown(std::span<const FormulaNode> nodes);

  Writer& writer_;
  ReportSection& section_;
  TraceReader& reader_;
  bool stopped_ = false;
};

// The line of a check: its comparison, then its verdict's word.
ReportLine check_line(const DesignCheck& check);

// The sections of the Calculate steps and of the handlers run after it, in
// the order they ran; each appended only when the run reached it.
void add_calculate_steps(Writer& writer);
void add_later_handlers(Writer& writer);

// The alert that says where and why a run stopped; unset: an unexpected fault.
ReportLine stop_line(const std::optional<CalcError>& error);

}  // namespace platewise::report
