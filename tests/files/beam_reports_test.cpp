// The report of several beams computed in one window: each beam's row in the
// members' table and its chapter, a beam stopped by a run-time error (at the
// start, or after its bottom plate) marked as such, nothing of one beam left
// in the next.

#include "beam_reports.h"

#include <gtest/gtest.h>

namespace platewise {
namespace {

Beam beam(std::string name, std::string_view key = {}, std::string text = {}) {
  Beam b{std::move(name), {}, {}};
  if (!key.empty()) b.inputs.push_back({input_by_key(key), std::move(text)});
  b.report.project = "综合楼";
  return b;
}

TEST(BeamReportsTest, RowAndChapterOfEachBeamTheStoppedOnesMarked) {
  ReportBook book;
  std::string errors;
  for (const Beam& b : {beam("KL-1"), beam("KL-2", role::stirrup_spacing, ""),
                        beam("KL-3", role::moment, ""), beam("KL-4", role::beam_width, "300")}) {
    const std::optional<CalcError> error = add_beam_report(book, b);
    errors += b.name + "：" + (error ? describe(*error) : "") + "\n";
  }
  EXPECT_EQ(errors, "KL-1：\nKL-2：箍筋面积中断：除数为零\nKL-3：裂缝验算中断：除数为零\nKL-4：\n");
  std::string rows;
  for (const MemberRow& m : book.members) {
    rows += m.name + "|" + m.bottom_plate + "|" + m.top_plate + "|" + m.anchorage + "|" +
            m.side_u_plates + "|" + m.crack_width + "|" + m.hoop_plates + "|" +
            (m.complete ? "" : "计算未完成") + std::string(m.worst ? verdict_word(*m.worst) : "") +
            "\n";
  }
  EXPECT_EQ(rows,
            "KL-1|A3号钢:4(厚)X131(宽)|A3号钢:4(厚)X87(宽)|172mm|3(厚)X24(宽bu)X150(高Lu)@100|"
            "0.038||注意（取整）\n"
            "KL-2|||||||计算未完成\n"
            "KL-3|A3号钢:4(厚)X131(宽)||||||计算未完成\n"
            "KL-4|A3号钢:4(厚)X131(宽)|A3号钢:4(厚)X87(宽)|172mm|3(厚)X24(宽bu)X150(高Lu)@100|"
            "0.044||注意（取整）\n");
  std::string chapters;
  for (const ReportModel& c : book.chapters) {
    chapters += c.running_header + "|" + (c.complete ? "" : "计算未完成") + "|" +
                (c.sketch ? "截面简图" : "") + "|" + c.anchorage_used + "\n";
    // Written now, not at the clock's epoch.
    EXPECT_FALSE(c.date.starts_with("1970")) << c.calculated_at;
  }
  EXPECT_EQ(chapters,
            "综合楼 KL-1 计算书||截面简图|172mm\n"
            "综合楼 KL-2 计算书|计算未完成||\n"
            "综合楼 KL-3 计算书|计算未完成|截面简图|\n"
            "综合楼 KL-4 计算书||截面简图|172mm\n");
}

}  // namespace
}  // namespace platewise
