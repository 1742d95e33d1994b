#pragma once
// Trace: what one run of a handler computed. Every quantity it names keeps
// its last value, and every decision its outcome, for the checks of the
// design. Where a report is wanted, the trace also keeps, in the order of
// the run, each formula with its terms spelt out (formula.h), each value
// read or looked up, and each decision with both its sides; a formula whose
// operation failed is kept too, marked as failed, so the report can say
// where the run stopped. Keeping the values costs a store a quantity; the
// formulas are spelt only when asked for.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "formula.h"

namespace platewise {

// The decisions the handlers take, each a comparison of two formulas.
enum class Decision : std::uint8_t {
  ThinStirrups,     // d_v < 12: the stirrups' strength is that of grade I
  BottomNeeded,     // the bottom needs more steel than its bars give
  TopNeeded,        // the top likewise
  StirrupsShort,    // the stirrups give less than required
  LuTooLarge,       // the side U plates would be higher than the beam allows
  AnchorageEnough,  // the actual anchorage length is at least the calculated one
  FirstFormula,     // the hoops count by the first formula (3.6 b ≤ 2 f_cv L_u)
  NoForceLeft,      // the concrete carries the plate's force: no hoops
  count_,
};

struct TraceEntry {
  enum class Kind : std::uint8_t { Let, Read, Decision };
  Kind kind;
  bool failed = true;  // the run stopped in it; cleared once it has its value
  Q id = Q::count_;    // Let, Read
  Decision decision = Decision::count_;
  Rel rel = Rel::Less;
  bool outcome = false;  // Decision
  double value = 0;      // Let, Read
  // Nodes of the formula: [first, end); of a decision, the left side [first, split).
  std::uint32_t first = 0, split = 0, end = 0;
};

class Trace {
 public:
  // Empties the trace; with `formulas`, the report's details are kept too.
  void start(bool formulas);
  bool keeps_formulas() const { return formulas_; }

  // Computes `f` as the quantity `id`. Throws ArithmeticFault where it fails.
  template <Formula F>
  Value let(Q id, const F& f) {
    const std::size_t entry = formulas_ ? begin(TraceEntry::Kind::Let, id) : kNone;
    if (entry != kNone) {
      spell(f, nodes_);
      spelt(entry, false);
    }
    const double v = evaluate(f).value();
    keep(id, v, entry);
    return {id, v};
  }
  // A value read from a field or looked up in a table.
  Value read(Q id, double v) {
    if (formulas_) begin(TraceEntry::Kind::Read, id);
    keep(id, v, formulas_ ? entries_.size() - 1 : kNone);
    return {id, v};
  }
  // The number a field's text spells (number_of_text). Throws ArithmeticFault
  // for a number too large, which the report then shows as where the run stopped.
  Value read_text(Q id, std::string_view text) {
    const std::size_t entry = formulas_ ? begin(TraceEntry::Kind::Read, id) : kNone;
    const double v = number_of_text(text);
    keep(id, v, entry);
    return {id, v};
  }
  // Decides by `comparison`. Throws ArithmeticFault where a side fails.
  template <Rel rel, class L, class R>
  bool decide(Decision d, const Comparison<rel, L, R>& comparison) {
    const std::size_t entry = formulas_ ? begin(TraceEntry::Kind::Decision, Q::count_) : kNone;
    if (entry != kNone) {
      entries_[entry].decision = d;
      entries_[entry].rel = rel;
      spell(comparison.l, nodes_);
      entries_[entry].split = static_cast<std::uint32_t>(nodes_.size());
      spell(comparison.r, nodes_);
      spelt(entry, true);
    }
    const bool outcome = evaluate(comparison);
    decided_.set(static_cast<std::size_t>(d));
    outcomes_.set(static_cast<std::size_t>(d), outcome);
    if (entry != kNone) {
      entries_[entry].outcome = outcome;
      finish(entry);
    }
    return outcome;
  }

  // The last value of a quantity this run named; nullopt where it named none.
  std::optional<double> value(Q id) const {
    const auto i = static_cast<std::size_t>(id);
    return set_.test(i) ? std::optional<double>(values_[i]) : std::nullopt;
  }
  bool has(Q id) const { return set_.test(static_cast<std::size_t>(id)); }
  // The outcome of a decision this run took; nullopt where it took none.
  std::optional<bool> decision(Decision d) const {
    const auto i = static_cast<std::size_t>(d);
    return decided_.test(i) ? std::optional<bool>(outcomes_.test(i)) : std::nullopt;
  }

  // The report's details, in the order of the run (empty without formulas).
  std::span<const TraceEntry> entries() const { return entries_; }
  std::span<const FormulaNode> nodes(
      const TraceEntry& e) const;  // the formula, or a decision's left side
  std::span<const FormulaNode> right_nodes(const TraceEntry& e) const;  // a decision's right side

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t begin(TraceEntry::Kind kind, Q id);
  void finish(std::size_t entry) { entries_[entry].failed = false; }
  // The entry's nodes end here; a formula's all belong to its one side.
  void spelt(std::size_t entry, bool two_sides);
  void keep(Q id, double v, std::size_t entry) {
    const auto i = static_cast<std::size_t>(id);
    values_[i] = v;
    set_.set(i);
    if (entry != kNone) {
      entries_[entry].value = v;
      finish(entry);
    }
  }

  bool formulas_ = false;
  std::array<double, kQuantityCount> values_{};
  std::bitset<kQuantityCount> set_;
  std::bitset<static_cast<std::size_t>(Decision::count_)> decided_, outcomes_;
  std::vector<TraceEntry> entries_;
  std::vector<FormulaNode> nodes_;
};

}  // namespace platewise
