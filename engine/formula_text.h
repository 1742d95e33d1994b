#pragma once
// A formula of a trace (trace.h) written out for the report, in symbols and
// in numbers: "d_{b}^{2} × 0.785 × n_{b}" and "25^{2} × 0.785 × 3". Brackets
// stand where the order of the operations needs them and nowhere else; an
// operation that follows an equal one on its right is bracketed, so that
// the written order is the order computed. Numbers are written by their
// quantity's rule (quantities.h), negative ones in brackets.

#include <span>
#include <string>

#include "formula.h"

namespace platewise {

struct FormulaText {
  std::string symbols;
  std::string numbers;
  bool single = false;  // the formula is one quantity or constant alone
};

FormulaText formula_text(std::span<const FormulaNode> nodes);

// The value the nodes give, computed again operation by operation as the
// formula did (for a side of a decision, whose value the trace does not keep).
double formula_value(std::span<const FormulaNode> nodes);

}  // namespace platewise
