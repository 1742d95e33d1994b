#pragma once
// Formulas written once. A formula is an expression over named quantities
// (quantities.h) and constants, built by the ordinary operators:
//
//   square(d) * 0.785 * n          (0.5 * b) * h          sqrt(x / 0.785)
//
// The same expression computes its value — with Num's checked arithmetic,
// one double operation per operator in the order written, the left operand
// before the right — and, where a report is wanted, spells itself out as
// postfix nodes from which the report writes it in symbols and in numbers.
// Nothing is computed or spelt while the expression is built.

#include <concepts>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "checked_number.h"
#include "number_rules.h"
#include "quantities.h"

namespace platewise {

enum class Op : std::uint8_t {
  Add,
  Sub,
  Mul,
  Div,     // binary
  Sqrt,    // √(x)
  Square,  // x², as x × x
  Floor,   // ⌊x⌋, the whole part
  Ceil,    // ⌈x⌉
  Shown,   // the value as its field shows it (15 digits); written as x itself
};

// A named quantity in a formula: which one and its value.
struct Value {
  Q id;
  double value = 0;
};

// A number written into a formula; `text` where it is written otherwise than
// its number text ("10^{6}").
struct Constant {
  double value;
  const char* text = nullptr;
};

template <Op op, class L, class R>
struct Binary {
  L l;
  R r;
};

template <Op op, class A>
struct Unary {
  A a;
};

// Relations of two formulas, for the decisions of the handlers.
enum class Rel : std::uint8_t { Less, LessEqual, Greater, GreaterEqual };

template <Rel rel, class L, class R>
struct Comparison {
  L l;
  R r;
};

template <class T>
struct is_formula : std::false_type {};
template <>
struct is_formula<Value> : std::true_type {};
template <>
struct is_formula<Constant> : std::true_type {};
template <Op op, class L, class R>
struct is_formula<Binary<op, L, R>> : std::true_type {};
template <Op op, class A>
struct is_formula<Unary<op, A>> : std::true_type {};

template <class T>
concept Formula = is_formula<std::remove_cvref_t<T>>::value;

// What may stand in a formula: a formula, a number, or anything with an
// as_formula() of its own (a BeamState member).
inline Constant as_formula(double v) { return {v}; }
template <Formula F>
F as_formula(const F& f) {
  return f;
}

// A number (not an enumeration), a formula, or a type with an as_formula()
// of its own that is no number.
template <class T>
concept Term = std::is_arithmetic_v<T> || Formula<T> ||
    (!std::is_convertible_v<T, double> && requires(const T& t) {
      { as_formula(t) } -> Formula;
    });
// An operator builds a formula when one side at least is more than a number.
template <class L, class R>
concept Terms = Term<L> && Term<R> && !(std::is_arithmetic_v<L> && std::is_arithmetic_v<R>);

template <Op op, class L, class R>
auto binary(const L& l, const R& r) {
  using LF = decltype(as_formula(l));
  using RF = decltype(as_formula(r));
  return Binary<op, LF, RF>{as_formula(l), as_formula(r)};
}

template <class L, class R>
requires Terms<L, R>
auto operator+(const L& l, const R& r) { return binary<Op::Add>(l, r); }
template <class L, class R>
requires Terms<L, R>
auto operator-(const L& l, const R& r) { return binary<Op::Sub>(l, r); }
template <class L, class R>
requires Terms<L, R>
auto operator*(const L& l, const R& r) { return binary<Op::Mul>(l, r); }
template <class L, class R>
requires Terms<L, R>
auto operator/(const L& l, const R& r) { return binary<Op::Div>(l, r); }

template <Op op, class A>
auto unary(const A& a) {
  return Unary<op, decltype(as_formula(a))>{as_formula(a)};
}
template <Term A>
requires(!std::is_arithmetic_v<A>) auto sqrt(const A& a) { return unary<Op::Sqrt>(a); }
template <Term A>
requires(!std::is_arithmetic_v<A>) auto square(const A& a) { return unary<Op::Square>(a); }
template <Term A>
requires(!std::is_arithmetic_v<A>) auto floor(const A& a) { return unary<Op::Floor>(a); }
template <Term A>
requires(!std::is_arithmetic_v<A>) auto ceil(const A& a) { return unary<Op::Ceil>(a); }
template <Term A>
requires(!std::is_arithmetic_v<A>) auto shown(const A& a) { return unary<Op::Shown>(a); }

template <Rel rel, class L, class R>
auto compare(const L& l, const R& r) {
  return Comparison<rel, decltype(as_formula(l)), decltype(as_formula(r))>{as_formula(l),
                                                                           as_formula(r)};
}
template <class L, class R>
requires Terms<L, R>
auto operator<(const L& l, const R& r) { return compare<Rel::Less>(l, r); }
template <class L, class R>
requires Terms<L, R>
auto operator<=(const L& l, const R& r) { return compare<Rel::LessEqual>(l, r); }
template <class L, class R>
requires Terms<L, R>
auto operator>(const L& l, const R& r) { return compare<Rel::Greater>(l, r); }
template <class L, class R>
requires Terms<L, R>
auto operator>=(const L& l, const R& r) { return compare<Rel::GreaterEqual>(l, r); }

// The value of a formula. Throws ArithmeticFault where an operation fails.
inline Num evaluate(const Value& v) { return v.value; }
inline Num evaluate(const Constant& c) { return c.value; }

template <Op op, class L, class R>
Num evaluate(const Binary<op, L, R>& e) {
  const Num l = evaluate(e.l);
  const Num r = evaluate(e.r);
  if constexpr (op == Op::Add) return l + r;
  if constexpr (op == Op::Sub) return l - r;
  if constexpr (op == Op::Mul) return l * r;
  if constexpr (op == Op::Div) return l / r;
}

template <Op op, class A>
Num evaluate(const Unary<op, A>& e) {
  const Num a = evaluate(e.a);
  if constexpr (op == Op::Sqrt) return sqrt(a);
  if constexpr (op == Op::Square) return a * a;
  if constexpr (op == Op::Floor) return whole_part(a);
  if constexpr (op == Op::Ceil) return Num(0) - whole_part(Num(0) - a);
  if constexpr (op == Op::Shown) return shown_number(a.value());
}

template <Rel rel, class L, class R>
bool evaluate(const Comparison<rel, L, R>& c) {
  const Num l = evaluate(c.l);
  const Num r = evaluate(c.r);
  if constexpr (rel == Rel::Less) return l < r;
  if constexpr (rel == Rel::LessEqual) return l <= r;
  if constexpr (rel == Rel::Greater) return l > r;
  if constexpr (rel == Rel::GreaterEqual) return l >= r;
}

// One node of a formula spelt out in postfix order: operands before their operator.
struct FormulaNode {
  enum class Kind : std::uint8_t { Value, Constant, Operator };
  Kind kind;
  Op op = Op::Add;     // Operator
  Q id = Q::count_;    // Value
  double value = 0;    // Value, Constant
  const char* text{};  // Constant: how it is written, if not as its number text
};

inline void spell(const Value& v, std::vector<FormulaNode>& out) {
  out.push_back({FormulaNode::Kind::Value, Op::Add, v.id, v.value});
}
inline void spell(const Constant& c, std::vector<FormulaNode>& out) {
  out.push_back({FormulaNode::Kind::Constant, Op::Add, Q::count_, c.value, c.text});
}
template <Op op, class L, class R>
void spell(const Binary<op, L, R>& e, std::vector<FormulaNode>& out) {
  spell(e.l, out);
  spell(e.r, out);
  out.push_back({FormulaNode::Kind::Operator, op});
}
template <Op op, class A>
void spell(const Unary<op, A>& e, std::vector<FormulaNode>& out) {
  spell(e.a, out);
  out.push_back({FormulaNode::Kind::Operator, op});
}

// 10^6, as the crack check writes it.
inline constexpr Constant kMillion{1e6, "10^{6}"};

}  // namespace platewise
