#pragma once
// Writing the report's sections: "有效高度 h_{0} = h − a = 600 − 35 = 565 mm".
// Used by the report model's parts only.

#include <set>
#include <string>
#include <string_view>

#include "calc_record.h"
#include "design_checks.h"
#include "report_model.h"
#include "report_numbers.h"

namespace platewise::report {

// Numbers put into a formula, negative ones in brackets, "…" where the run
// did not reach them: as the window shows them (inputs, material values,
// results), or to 4 significant figures (values worked out on the way).
std::string exact(const Noted& value);
std::string approx(const Noted& value);

// What the parts of one report share while they write it.
struct Writer {
  ReportModel& report;
  const CalcRecord& record;
  const ReportInfo& info;
  std::set<std::string_view> named;  // the constants already named
  int numbered = 0;                  // sections with a number so far

  // A new numbered section: "5 梁底钢板".
  ReportSection& add_section(std::string_view title, SectionKind kind = SectionKind::Step);
};

// The lines of one section. A quantity the run did not reach ends the
// section: its line says the calculation stopped there, and nothing follows.
class Lines {
 public:
  Lines(Writer& writer, ReportSection& section) : writer_(writer), lines_(section.lines) {}

  // "what symbol = formula = numbers = value unit"; without formula and
  // numbers for a value read or looked up. The value is written as `shown`
  // gives it. False once the run stopped here.
  bool value(std::string_view what, std::string_view symbol, std::string_view formula,
             const std::string& numbers, const Noted& value, std::string_view unit,
             std::string (*shown)(double) = approx_text);
  // A value read from a field, written in full.
  bool read(std::string_view what, std::string_view symbol, const Noted& value,
            std::string_view unit) {
    return this->value(what, symbol, {}, {}, value, unit, exact_text);
  }
  void text(std::string line);
  // "式中 0.9 为钢板强度折减系数": said once in a report, where `constant` is first used.
  void name(std::string_view constant, std::string_view meaning);
  // The line of the check with `key`, ending in its verdict; nothing when it is not listed.
  void check(std::string_view key);
  bool stopped() const { return stopped_; }

 private:
  Writer& writer_;
  std::vector<ReportLine>& lines_;
  bool stopped_ = false;
};

// The line of a check: its comparison, then its verdict's word.
ReportLine check_line(const DesignCheck& check);

// The table of symbols, 符号说明.
void add_symbols(Writer& writer);

// The sections of the Calculate steps and of the handlers run after it, in
// the order they ran; each appended only when the run reached it.
void add_calculate_steps(Writer& writer);
void add_later_handlers(Writer& writer);

// The text an input had when Calculate ran.
const std::string& input_text(const CalculateRecord& calc, std::string_view key);

// The alert that says where and why a run stopped; unset: an unexpected fault.
ReportLine stop_line(const std::optional<CalcError>& error);

}  // namespace platewise::report
