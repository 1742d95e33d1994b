#pragma once
// The fields of a report's information (report_info.h) as data: the key a
// beam file's "report" object gives each by, and the label the window's
// dialog shows. The member is no key of its own: it is the beam's name.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "report_info.h"

namespace platewise {

struct ReportInfoField {
  std::string_view key;  // in a beam file's "report" object; empty for the member
  std::string_view label;
  std::string ReportInfo::*text;
};

// In the order the dialog shows them.
inline constexpr std::array<ReportInfoField, 6> kReportInfoFields = {{
    {"project", "工程名称", &ReportInfo::project},
    {"", "构件编号", &ReportInfo::member},
    {"crack_limit", "裂缝宽度限值[w](mm)", &ReportInfo::crack_limit},
    {"designer", "计算", &ReportInfo::designer},
    {"checker", "校对", &ReportInfo::checker},
    {"approver", "审核", &ReportInfo::approver},
}};

// The three who sign, in the order of the signature table: 计算, 校对, 审核.
inline constexpr std::span<const ReportInfoField> kSigners{kReportInfoFields.data() + 3, 3};

// Whether `info` says anything beyond the member: then a beam file carries it.
inline bool carries_report_info(const ReportInfo& info) {
  for (const ReportInfoField& field : kReportInfoFields) {
    if (!field.key.empty() && !(info.*field.text).empty()) return true;
  }
  return false;
}

}  // namespace platewise
