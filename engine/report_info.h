#pragma once
// Who and what a calculation report is for: the project, the member (the
// beam's name), the three people who sign it, and the crack-width limit the
// report checks against. All are texts as the engineer typed them; empty
// means not given.

#include <string>

namespace platewise {

struct ReportInfo {
  std::string project;      // 工程名称
  std::string member;       // 构件编号: the beam's name
  std::string designer;     // 计算
  std::string checker;      // 校对
  std::string approver;     // 审核
  std::string crack_limit;  // 裂缝宽度限值 [w], mm; empty: the default limit

  bool operator==(const ReportInfo&) const = default;
};

}  // namespace platewise
