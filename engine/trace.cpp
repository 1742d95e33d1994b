#include "trace.h"

namespace platewise {

void Trace::start(bool formulas) {
  formulas_ = formulas;
  set_.reset();
  decided_.reset();
  outcomes_.reset();
  entries_.clear();
  nodes_.clear();
}

std::size_t Trace::begin(TraceEntry::Kind kind, Q id) {
  TraceEntry& e = entries_.emplace_back();
  e.kind = kind;
  e.id = id;
  e.first = e.split = static_cast<std::uint32_t>(nodes_.size());
  return entries_.size() - 1;
}

void Trace::spelt(std::size_t entry, bool two_sides) {
  TraceEntry& e = entries_[entry];
  e.end = static_cast<std::uint32_t>(nodes_.size());
  if (!two_sides) e.split = e.end;
}

std::span<const FormulaNode> Trace::nodes(const TraceEntry& e) const {
  return std::span(nodes_).subspan(e.first, e.split - e.first);
}

std::span<const FormulaNode> Trace::right_nodes(const TraceEntry& e) const {
  return std::span(nodes_).subspan(e.split, e.end - e.split);
}

}  // namespace platewise
