#include "calc_record.h"

#include <algorithm>

#include "form_access.h"

namespace platewise {

std::span<const InputField* const> calculate_inputs() {
  static const std::vector<const InputField*> kInputs = [] {
    std::vector<const InputField*> read;
    for (const InputField& field : input_fields()) {
      if (field.given == Given::WithCalculate) read.push_back(&field);
    }
    return read;
  }();
  return kInputs;
}

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

const WidthEditRecord* width_in_use(const CalcRecord& record) {
  if (record.width_edit && record.width_edit->width) return &*record.width_edit;
  if (record.calculate.shown_width.width) return &record.calculate.shown_width;
  return nullptr;
}

const CrackRecord* shown_crack_check(const CalcRecord& record) {
  if (record.width_edit && record.width_edit->check.w) return &record.width_edit->check;
  if (record.calculate.crack.w) return &record.calculate.crack;
  if (record.calculate.shown_width.check.w) return &record.calculate.shown_width.check;
  return nullptr;
}

}  // namespace platewise
