#pragma once
// The report as Qt text documents, for the pages (PDF and print) and the
// panel: the outline of the report (report_outline.h) set in the report's
// faces, with real subscripts and superscripts, the verdicts' words in their
// colours, formula lines that wrap under a hanging indent, and tables: in the
// panel with Qt's thin grid, on paper without borders, for the pages to rule
// (table_rules.h). Every section starts with a level-2 heading.

#include <QString>
#include <memory>
#include <vector>

#include "report_book.h"

class QTextDocument;

namespace platewise {

// Paper: A4 pages and files; Panel: the window's small report panel.
enum class ReportLook { Paper, Panel };

// Alone: the report's first page carries the title block and the signature
// table. InBook: a chapter of a book, headed by its beam's name; the title
// page carries the signatures.
enum class ChapterPlace { Alone, InBook };

std::unique_ptr<QTextDocument> chapter_document(const ReportModel& report,
                                                ReportLook look = ReportLook::Paper,
                                                ChapterPlace place = ChapterPlace::Alone);
// A chapter on paper in pieces, each laid out on its own: the front matter
// (title, title block, signatures, 计算未完成), then one piece per section,
// so that the pages can keep each section whole on one page where it fits.
std::vector<std::unique_ptr<QTextDocument>> chapter_pieces(const ReportModel& report,
                                                           ChapterPlace place);
// A book's title page: the project, the title, the number of members, the
// basis, program and date of its first chapter, the signature table.
std::unique_ptr<QTextDocument> title_page_document(const ReportBook& book);
// Where the parts of a book start on paper, pages counted from 1; 0 while
// not known (the page cells stay empty then).
struct BookPages {
  int members = 0;     // 构件一览表
  int conclusion = 0;  // 总结论
  int front = 0;       // the book's 符号说明 and 材料
  std::vector<int> chapters;
  friend bool operator==(const BookPages&, const BookPages&) = default;
};
// A book's 目录: the members' table, the 总结论, the book's 符号说明 and 材料,
// and each chapter, each with its page.
std::unique_ptr<QTextDocument> contents_document(const ReportBook& book, const BookPages& pages);
// A book's 符号说明 and 材料 (a gathered book's front), when it has them; else null.
std::unique_ptr<QTextDocument> front_document(const ReportBook& book);
// A book's 构件一览表 in pieces, for the pages to stack row by row and so
// never to break a row: `pieces` its title with the heading row, then each
// member's row, each a table of its own with the same columns; `heading`
// the heading row alone, which opens every further page of the table;
// `conclusion` the 总结论 that follows the table (null for a book not gathered).
struct MembersTable {
  std::vector<std::unique_ptr<QTextDocument>> pieces;
  std::unique_ptr<QTextDocument> heading;
  std::unique_ptr<QTextDocument> conclusion;
};
MembersTable members_table(const ReportBook& book, const BookPages& pages = {});

}  // namespace platewise
