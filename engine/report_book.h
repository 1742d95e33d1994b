#pragma once
// A calculation report as a whole document: the report of one beam, or the
// report of a table of beams, which opens with a title page for the project
// and a table of the members (构件一览表) and gives each beam a chapter of
// its own, starting on a new page with its own running header.

#include <optional>
#include <string>
#include <vector>

#include "report_model.h"

namespace platewise {

// One row of the members' table: what the beam came to, as its result fields say.
struct MemberRow {
  std::string name;          // 构件编号
  std::string bottom_plate;  // "A3号钢:4(厚)X131(宽)"
  std::string top_plate;
  std::string anchorage;  // "172mm"
  std::string side_u_plates;
  std::string crack_width;       // "0.038"
  std::string hoop_plates;       // empty when not asked for
  std::optional<Verdict> worst;  // the worst verdict of its checks; unset when it stopped
  bool complete = true;          // false: 计算未完成
};

struct ReportBook {
  std::string project;             // 工程名称, for the title page
  std::vector<MemberRow> members;  // empty for the report of one beam: no title page, no table
  std::vector<ReportModel> chapters;
};

}  // namespace platewise
