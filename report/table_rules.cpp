#include "table_rules.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <limits>

namespace platewise {
namespace {

struct Span {
  double from, to;  // a row's top and bottom
};

// Where a table's rows and columns were laid out: `rows` from top to
// bottom, `edges` the columns' left edges and the last one's right edge.
struct Grid {
  std::vector<Span> rows;
  std::vector<double> edges;
};

// A cell's padding on one side: its own, else the table's.
double padding(const QTextTableCellFormat& cell, QTextFormat::Property side, double table) {
  return cell.hasProperty(side) ? cell.doubleProperty(side) : table;
}

// The cells' text is laid out inside their padding. A row is as high as its
// highest cell, whose text starts at the row's top (a lower one sits in the
// middle): so a row runs from the highest text top to the lowest text
// bottom, each with its cell's padding.
Grid grid_of(const QTextTable& table) {
  constexpr double kFar = std::numeric_limits<double>::infinity();
  QAbstractTextDocumentLayout* layout = table.document()->documentLayout();
  const double table_padding = table.format().cellPadding();
  const int columns = table.columns();
  Grid grid{std::vector<Span>(static_cast<std::size_t>(table.rows()), {kFar, -kFar}),
            std::vector<double>(static_cast<std::size_t>(columns) + 1, kFar)};
  grid.edges.back() = -kFar;
  for (int r = 0; r < table.rows(); ++r) {
    Span& row = grid.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columns; ++c) {
      const QTextTableCell cell = table.cellAt(r, c);
      const QTextTableCellFormat format = cell.format().toTableCellFormat();
      const QRectF first = layout->blockBoundingRect(cell.firstCursorPosition().block());
      const QRectF last = layout->blockBoundingRect(cell.lastCursorPosition().block());
      row.from = std::min(
          row.from, first.top() - padding(format, QTextFormat::TableCellTopPadding, table_padding));
      row.to = std::max(row.to, last.bottom() + padding(format, QTextFormat::TableCellBottomPadding,
                                                        table_padding));
      double& left = grid.edges[static_cast<std::size_t>(c)];
      left = std::min(
          left, first.left() - padding(format, QTextFormat::TableCellLeftPadding, table_padding));
      if (c + 1 == columns) {
        grid.edges.back() = std::max(
            grid.edges.back(),
            first.right() + padding(format, QTextFormat::TableCellRightPadding, table_padding));
      }
    }
  }
  return grid;
}

// The rules around `rows`, one page's run of a table: above the first,
// below each, and down every column edge.
void add_rules(std::vector<QLineF>& rules, const std::vector<Span>& rows,
               const std::vector<double>& edges) {
  const double left = edges.front(), right = edges.back();
  rules.emplace_back(left, rows.front().from, right, rows.front().from);
  for (const Span& row : rows) rules.emplace_back(left, row.to, right, row.to);
  for (double x : edges) rules.emplace_back(x, rows.front().from, x, rows.back().to);
}

// Qt moves a row that does not fit on a page to the next page, and the row
// before it then reaches down to the page's foot, to the table's bottom
// margin: each page's run of rows gets its own rules.
void add_table_rules(std::vector<QLineF>& rules, const QTextTable& table, double page_height) {
  const Grid grid = grid_of(table);
  const QTextTableFormat format = table.format();
  const double bottom_margin = format.bottomMargin() + format.border() + format.padding();
  const auto page_of = [&](const Span& row) {
    return page_height > 0 ? std::floor(row.from / page_height) : 0.0;
  };
  std::vector<Span> run;
  for (std::size_t r = 0; r < grid.rows.size(); ++r) {
    const double page = page_of(grid.rows[r]);
    run.push_back(grid.rows[r]);
    if (r + 1 < grid.rows.size()) {
      if (page_of(grid.rows[r + 1]) == page) continue;
      run.back().to = std::max(run.back().to, (page + 1) * page_height - bottom_margin);
    }
    add_rules(rules, run, grid.edges);
    run.clear();
  }
}

}  // namespace

std::vector<QLineF> table_rules(const QTextDocument& document) {
  std::vector<QLineF> rules;
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    if (const auto* table = qobject_cast<const QTextTable*>(frame)) {
      add_table_rules(rules, *table, document.pageSize().height());
    }
  }
  return rules;
}

}  // namespace platewise
