#include "beam_reports.h"

#include <algorithm>

#include "compute_beam.h"
#include "form_access.h"

namespace platewise {
namespace {

// A result field's text, by its key.
const std::string& result(const BeamOutcome& outcome, std::string_view key) {
  const std::span<const ResultField> fields = result_fields();
  const auto found = std::ranges::find(fields, key, &ResultField::key);
  return outcome.results.at(static_cast<std::size_t>(found - fields.begin()));
}

}  // namespace

std::optional<CalcError> add_beam_report(ReportBook& book, HeadlessWindow& window,
                                         const Beam& beam) {
  const BeamOutcome outcome = compute_beam(window, beam);
  ReportInfo info = beam.report;
  info.member = beam.name;
  // compute_beam always runs Calculate, so there is a report to write.
  ReportModel chapter = report_model(window.record(), window.form(), info).value_or(ReportModel{});
  const bool complete = !outcome.error && chapter.complete;
  MemberRow row{beam.name,
                result(outcome, role::bottom_plate),
                result(outcome, role::top_plate),
                result(outcome, role::anchorage),
                result(outcome, role::side_u_plates),
                result(outcome, role::crack_width),
                result(outcome, role::hoop_plates),
                std::nullopt,
                complete};
  if (complete) row.worst = worst_verdict(chapter.checks);
  book.members.push_back(std::move(row));
  book.chapters.push_back(std::move(chapter));
  return outcome.error;
}

}  // namespace platewise
