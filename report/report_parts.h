#pragma once
// What the report shows besides its sections, the same in every format: the
// title block of page 1, the signature table, the members' table of a book,
// the running header, the document's title and the colours of the verdicts.

#include <QColor>
#include <QString>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "report_book.h"

namespace platewise {

struct LabelledText {
  QString label;  // "构件编号"
  QString text;   // "KL-1"; empty: a line to fill in by hand
};

// 工程名称, 构件编号, then the model's basis, program and date, each split
// at its "："; names not given stay as empty lines.
std::vector<LabelledText> title_block(const ReportModel& report);

// 计算, 校对, 审核 with the names given; the table adds 签字 and 日期 to fill in.
std::vector<LabelledText> signatures(const ReportInfo& info);
inline constexpr const char* kSignatureHeadings[] = {"", "姓名", "签字", "日期"};

// A column of the members' table: its heading and the row's text in it.
struct MemberColumn {
  const char* heading;
  std::string MemberRow::*text;  // nullptr: the column of the verdict
};
std::span<const MemberColumn> member_columns();
inline constexpr const char* kMembersTitle = "构件一览表";
inline constexpr const char* kIncomplete = "计算未完成";
inline constexpr const char* kSketchCaption = "截面简图";

// The worst verdict's word, or 计算未完成 for a beam that stopped.
QString member_verdict_text(const MemberRow& member);
// The verdict a member's last cell is coloured as; 计算未完成 as 不满足.
std::optional<Verdict> member_verdict_colour(const MemberRow& member);

// The line that says where and why the run stopped; nullptr when none does.
const ReportLine* stop_line_of(const ReportModel& report);

// The header at the top of a chapter's pages: "工程名称 构件编号 计算书".
QString running_header(const ReportModel& report);
// The document's title, for PDF metadata and the HTML title: the one
// beam's running header, or "工程名称 计算书" for a book of beams.
QString document_title(const ReportBook& book);
// Whether the book opens with a title page and the members' table.
bool has_title_page(const ReportBook& book);

// 不满足 red, 注意 dark amber, 满足 dark green.
QColor verdict_colour(Verdict verdict);
inline constexpr const char* kAlertColour = "#c00000";

// Where `word` ends `text`, only punctuation or blanks after it; npos when it does not.
std::size_t ending_word(std::string_view text, std::string_view word);

}  // namespace platewise
