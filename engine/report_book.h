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
  std::string anchorage;       // "172mm", as the window shows it
  std::string anchorage_used;  // 取用锚固长度, "172mm"; empty when no plate was sized
  std::string side_u_plates;
  std::string crack_width;       // "0.038"
  std::string hoop_plates;       // empty when not asked for
  std::optional<Verdict> worst;  // the worst verdict of its checks; unset when it stopped
  bool complete = true;          // false: 计算未完成
};

// What a book of beams shows once, before its chapters.
struct BookFront {
  // 符号说明 for the whole book: every symbol of every chapter, in the order of
  // the catalogue; unset when some symbol has two meanings (each chapter then keeps its own).
  std::optional<ReportSection> symbols;
  // 材料 for the whole book: unset unless every chapter's is the same.
  std::optional<ReportSection> materials;
  // 总结论: the beams counted by their worst verdict, those that fail or stopped named.
  std::vector<ReportLine> conclusion;
};

struct ReportBook {
  std::string project;             // 工程名称, for the title page
  std::vector<MemberRow> members;  // empty for the report of one beam: no title page, no table
  std::vector<ReportModel> chapters;
  // Set by gathered(): the front, and chapters whose shared sections refer to it.
  std::optional<BookFront> front;
};

// The book as it is shown: a book of beams (one with members) gets its
// front, and the chapters' 符号说明 and 材料 the front holds say so in one
// line instead of repeating them. A book already gathered, or of one beam, is kept.
ReportBook gathered(ReportBook book);
// The same without a copy where nothing is to gather: `book` itself, or the
// gathered book made in `made`.
const ReportBook& shown_book(const ReportBook& book, std::optional<ReportBook>& made);

// The section titles and the reference lines of the front.
inline constexpr const char* kBookConclusionTitle = "总结论";
inline constexpr const char* kSharedSymbolsLine = "本章符号见卷首“符号说明”。";
inline constexpr const char* kSharedMaterialsLine = "本章材料见卷首“材料”。";

// The report of one beam as a book: its one chapter, no title page.
inline ReportBook one_beam_book(ReportModel report) {
  ReportBook book;
  book.project = report.info.project;
  book.chapters.push_back(std::move(report));
  return book;
}

}  // namespace platewise
