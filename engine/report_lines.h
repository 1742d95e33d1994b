#pragma once
// Writing the report's formula lines: "有效高度 h0 = h − a = 600 − 35 = 565 mm".
// Used by the report model's parts only.

#include <string>
#include <string_view>

#include "calc_record.h"
#include "report_model.h"

namespace platewise::report {

// A number put into a formula: negative numbers in brackets; "…" when the run did not reach it.
std::string num(const Noted& value);

// The lines of one section. A quantity the run did not reach ends the
// section: its line says the calculation stopped there, and nothing follows.
class Lines {
 public:
  explicit Lines(ReportSection& section) : lines_(section.lines) {}

  // "what symbol = formula = numbers = value unit"; without formula and
  // numbers for a value read or looked up. False once the run stopped here.
  bool value(std::string_view what, std::string_view symbol, std::string_view formula,
             const std::string& numbers, const Noted& value, std::string_view unit);
  bool read(std::string_view what, std::string_view symbol, const Noted& value,
            std::string_view unit) {
    return this->value(what, symbol, {}, {}, value, unit);
  }
  void text(std::string line);
  bool stopped() const { return stopped_; }

 private:
  std::vector<ReportLine>& lines_;
  bool stopped_ = false;
};

// The sections of the Calculate steps and of the handlers run after it, in
// the order they ran; each appended to `report` only when the run reached it.
void add_calculate_steps(ReportModel& report, const CalcRecord& record);
void add_later_handlers(ReportModel& report, const CalcRecord& record);

// The text an input had when Calculate ran.
const std::string& input_text(const CalculateRecord& calc, std::string_view key);

// The alert that says where and why a run stopped; unset: an unexpected fault.
ReportLine stop_line(const std::optional<CalcError>& error);

// A new numbered section: "5 梁底钢板".
ReportSection& add_section(ReportModel& report, std::string_view title);

}  // namespace platewise::report
