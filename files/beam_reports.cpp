#include "beam_reports.h"

#include "design.h"
#include "form_access.h"
#include "report_model.h"

namespace platewise {

std::optional<CalcError> add_beam_report(ReportBook& book, const Beam& beam) {
  const Design design = platewise::design(beam, Detail::Formulas);
  ReportInfo info = beam.report;
  info.member = beam.name;
  // A design always runs Calculate, so there is a report to write.
  ReportModel chapter =
      report_model(design.trace, design.results, {}, info).value_or(ReportModel{});
  const bool complete = !design.error && chapter.complete;
  MemberRow row{beam.name,
                result_text(design, role::bottom_plate),
                result_text(design, role::top_plate),
                result_text(design, role::anchorage),
                chapter.anchorage_used,
                result_text(design, role::side_u_plates),
                result_text(design, role::crack_width),
                result_text(design, role::hoop_plates),
                std::nullopt,
                complete};
  if (complete) row.worst = worst_verdict(chapter.checks);
  book.members.push_back(std::move(row));
  book.chapters.push_back(std::move(chapter));
  return design.error;
}

}  // namespace platewise
