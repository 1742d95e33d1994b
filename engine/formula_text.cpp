#include "formula_text.h"

#include <cmath>
#include <vector>

#include "number_rules.h"
#include "report_numbers.h"

namespace platewise {
namespace {

// How tightly a written part binds: a sum least, then a product, then a
// single term (a quantity, a constant, a root, a whole part).
enum Binding { Sum = 1, Product = 2, Atom = 3 };

struct Part {
  std::string symbols, numbers;
  Binding binding = Atom;
};

std::string_view sign_of(Op op) {
  switch (op) {
    case Op::Add:
      return " + ";
    case Op::Sub:
      return " − ";
    case Op::Mul:
      return " × ";
    default:
      return " / ";
  }
}

Part bracketed(Part p) { return {"(" + p.symbols + ")", "(" + p.numbers + ")", Atom}; }

Part around(const Part& p, std::string_view open, std::string_view close) {
  return {std::string(open) + p.symbols + std::string(close),
          std::string(open) + p.numbers + std::string(close), Atom};
}

Part leaf(const FormulaNode& n) {
  if (n.kind == FormulaNode::Kind::Value) {
    return {std::string(quantity(n.id).symbol), value_text(n.id, n.value, true)};
  }
  const std::string text = n.text != nullptr ? n.text : exact_text(n.value);
  return {text, text};
}

Part applied(Op op, std::vector<Part>& stack) {
  if (op == Op::Add || op == Op::Sub || op == Op::Mul || op == Op::Div) {
    Part r = std::move(stack.back());
    stack.pop_back();
    Part l = std::move(stack.back());
    stack.pop_back();
    const Binding binding = op == Op::Add || op == Op::Sub ? Sum : Product;
    if (l.binding < binding) l = bracketed(std::move(l));
    if (r.binding <= binding) r = bracketed(std::move(r));
    const std::string_view sign = sign_of(op);
    return {l.symbols + std::string(sign) + r.symbols, l.numbers + std::string(sign) + r.numbers,
            binding};
  }
  Part a = std::move(stack.back());
  stack.pop_back();
  switch (op) {
    case Op::Sqrt:
      return around(a, "√(", ")");
    case Op::Square:
      if (a.binding != Atom) a = bracketed(std::move(a));
      return {a.symbols + "^{2}", a.numbers + "^{2}", Atom};
    case Op::Floor:
      return around(a, "⌊", "⌋");
    case Op::Ceil:
      return around(a, "⌈", "⌉");
    default:  // Op::Shown: written as the value itself
      return a;
  }
}

double applied_value(Op op, std::vector<double>& stack) {
  const double a = stack.back();
  stack.pop_back();
  switch (op) {
    case Op::Sqrt:
      return std::sqrt(a);
    case Op::Square:
      return a * a;
    case Op::Floor:
      return std::floor(a);
    case Op::Ceil:
      return std::ceil(a);
    case Op::Shown:
      return shown_number(a);
    default:
      break;
  }
  const double l = stack.back();
  stack.pop_back();
  switch (op) {
    case Op::Add:
      return l + a;
    case Op::Sub:
      return l - a;
    case Op::Mul:
      return l * a;
    default:
      return l / a;
  }
}

}  // namespace

double formula_value(std::span<const FormulaNode> nodes) {
  std::vector<double> stack;
  for (const FormulaNode& n : nodes) {
    stack.push_back(n.kind == FormulaNode::Kind::Operator ? applied_value(n.op, stack) : n.value);
  }
  return stack.empty() ? 0 : stack.back();
}

FormulaText formula_text(std::span<const FormulaNode> nodes) {
  std::vector<Part> stack;
  for (const FormulaNode& n : nodes) {
    if (n.kind == FormulaNode::Kind::Operator) {
      stack.push_back(applied(n.op, stack));
    } else {
      stack.push_back(leaf(n));
    }
  }
  if (stack.empty()) return {};
  if (nodes.size() == 1 && nodes[0].kind == FormulaNode::Kind::Value) {  // alone: no brackets
    stack.back().numbers = value_text(nodes[0].id, nodes[0].value);
  }
  return {std::move(stack.back().symbols), std::move(stack.back().numbers), nodes.size() == 1};
}

}  // namespace platewise
