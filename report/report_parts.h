#pragma once
// What the report shows besides its sections, the same in every format: the
// title block of page 1, the signature table, the members' table of a book,
// the running header, the document's title and the colours of the verdicts.

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "report_book.h"
#include "verdict.h"

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

// The members' table (构件一览表), one description every format renders: its
// columns in order, each with its heading and what its cells hold, and the
// widths of the columns, measured from the cells. Cells are short forms
// (member_notation.h) set in kMembersPoints, each column as wide as its
// widest cell, so that no cell breaks a name or a number; headings may take
// two lines.
enum class MemberCell {
  Index,    // 序号: 1, 2, …
  Text,     // a text of the row
  Verdict,  // the worst verdict's word in its colour, or 计算未完成
  Page,     // 页码: where the beam's chapter starts (PDF), a page field, a link (HTML)
};
struct MemberColumn {
  const char* heading;
  MemberCell kind = MemberCell::Text;
  std::string (*text)(const MemberRow&) = nullptr;  // for MemberCell::Text
};
std::span<const MemberColumn> member_columns();
inline constexpr double kMembersPoints = 7.5;
// The columns' shares of the text's width (summing to 1), for the members of `book`.
std::vector<double> member_widths(const ReportBook& book);
// A cell's text, but for the page of MemberCell::Page; `index` counts from 0.
std::string member_cell_text(const MemberColumn& column, const MemberRow& member,
                             std::size_t index);
inline constexpr const char* kMembersTitle = "构件一览表";
inline constexpr const char* kContentsTitle = "目录";

// An entry of a book's 目录, the same in every format: what it names, and
// the bookmark (a link's target in HTML) where that starts.
struct ContentsEntry {
  std::string text;      // "3 一层KL-3 计算书"
  std::string bookmark;  // "chapter-3"
};
// The bookmarks of a book's parts besides its chapters.
inline constexpr const char* kMembersBookmark = "members";
inline constexpr const char* kConclusionBookmark = "conclusion";
inline constexpr const char* kFrontBookmark = "front";
// The entries of a gathered book of beams; none for the report of one beam.
std::vector<ContentsEntry> contents_entries(const ReportBook& book);
// The bookmark of chapter `index` (from 0): "chapter-1".
std::string chapter_bookmark(std::size_t index);
inline constexpr const char* kIncomplete = "计算未完成";
inline constexpr const char* kSketchCaption = "图 1-1 截面简图";  // in section 1, after the inputs
// Where every format puts the section sketch: after the section at this
// index (the inputs it is drawn from); npos when the report has no sketch.
std::size_t sketch_after(const ReportModel& report);

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

// The verdicts' palette, for every format and the sketch: 不满足 red (also
// where a run stopped), 注意 dark amber, 满足 dark green.
inline constexpr const char* kAlertColour = "#c00000";
inline constexpr const char* kAttentionColour = "#a85a00";
inline constexpr const char* kSatisfiedColour = "#1b5e20";
// The engine's verdict_rgb() is the palette; these are its texts, kept equal below.
QColor verdict_colour(Verdict verdict);

namespace palette_check {
constexpr std::uint32_t rgb_of(const char* hex) {
  std::uint32_t rgb = 0;
  for (const char* c = hex + 1; *c != '\0'; ++c) {
    rgb = rgb * 16 + static_cast<std::uint32_t>(*c <= '9' ? *c - '0' : *c - 'a' + 10);
  }
  return rgb;
}
static_assert(rgb_of(kAlertColour) == verdict_rgb(Verdict::NotSatisfied));
static_assert(rgb_of(kAttentionColour) == verdict_rgb(Verdict::Attention));
static_assert(rgb_of(kSatisfiedColour) == verdict_rgb(Verdict::Satisfied));
}  // namespace palette_check

// Where `word` ends `text`, only punctuation or blanks after it; npos when it does not.
std::size_t ending_word(std::string_view text, std::string_view word);

}  // namespace platewise
