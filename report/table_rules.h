#pragma once
// The rules of the tables on paper. Qt lays a paper report's tables out
// without borders, and the pages draw their thin single rules from where
// the cells were laid out: around every cell, each rule once. (Qt's own
// collapsed grid looks the same, but weighs every rule against its
// neighbours' while it paints: that was a third of a book's painting.)
// Qt's repeated heading rows get no rules: a table that runs over pages,
// the members' table, comes in pieces and repeats its heading itself.

#include <QLineF>
#include <vector>

class QTextDocument;

namespace platewise {

// The rules of the tables of a laid-out document, in its coordinates and on
// its pages (its page size set): one line per rule and page, the first the
// top rule of the first table.
std::vector<QLineF> table_rules(const QTextDocument& document);

}  // namespace platewise
