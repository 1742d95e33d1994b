#include "design_trace.h"

#include <algorithm>

namespace platewise {
namespace {

// The position of a result key in result_fields(); its size for any other key.
std::size_t result_index(std::string_view key) {
  if (key == role::selected_width) key = role::bottom_width;
  const std::span<const ResultField> fields = result_fields();
  return static_cast<std::size_t>(std::ranges::find(fields, key, &ResultField::key) -
                                  fields.begin());
}

}  // namespace

void WrittenTexts::note(std::string_view key, const std::string& text) {
  const std::size_t i = result_index(key);
  if (i >= result_fields().size()) return;
  if (texts_.empty()) {
    texts_.resize(result_fields().size());
    written_.resize(result_fields().size());
  }
  texts_[i] = text;
  written_[i] = 1;
}

const std::string* WrittenTexts::find(std::string_view key) const {
  const std::size_t i = result_index(key);
  return i < written_.size() && written_[i] != 0 ? &texts_[i] : nullptr;
}

void WrittenTexts::clear() { std::ranges::fill(written_, 0); }

void DesignTrace::restart() {
  calculated = true;
  width_edit.reset();
  hoops.reset();
  events = 0;
  written.clear();
}

void DesignTrace::note_writes(const HandlerRun& run) {
  for (const FieldWrite& w : run.writes) written.note(w.role, w.text);
}

const Trace* DesignTrace::trace(RunPart part) const {
  switch (part) {
    case RunPart::Calculate:
      return calculated ? &calculate.trace : nullptr;
    case RunPart::FirstCrackCheck:
      return calculated ? &calculate.shown_width.trace : nullptr;
    case RunPart::WidthEdit:
      return width_edit ? &width_edit->trace : nullptr;
    case RunPart::Hoops:
      return hoops ? &hoops->trace : nullptr;
  }
  return nullptr;
}

std::optional<RunPart> width_in_use(const DesignTrace& d) {
  if (d.width_edit && d.width_edit->trace.has(Q::sel_b)) return RunPart::WidthEdit;
  if (d.calculated && d.calculate.shown_width.trace.has(Q::sel_b)) return RunPart::FirstCrackCheck;
  return std::nullopt;
}

std::optional<RunPart> shown_crack_check(const DesignTrace& d) {
  if (d.width_edit && d.width_edit->trace.has(Q::w)) return RunPart::WidthEdit;
  if (!d.calculated) return std::nullopt;
  if (d.calculate.trace.has(Q::w)) return RunPart::Calculate;
  if (d.calculate.shown_width.trace.has(Q::w)) return RunPart::FirstCrackCheck;
  return std::nullopt;
}

}  // namespace platewise
