#include "memory_form.h"

#include <stdexcept>

#include "form_design.h"

namespace platewise::testing {

MemoryForm::MemoryForm() {
  for (const design::Control& c : design::controls()) {
    controls_.emplace(std::string(c.name), State{std::string(c.text), -1, 0, !c.hidden_at_start});
  }
  // Result fields and pictures start empty; frames, labels and buttons keep their captions.
}

MemoryForm::State& MemoryForm::at(std::string_view control) {
  const auto it = controls_.find(control);
  if (it == controls_.end()) throw std::out_of_range("no control " + std::string(control));
  return it->second;
}

const MemoryForm::State& MemoryForm::at(std::string_view control) const {
  return const_cast<MemoryForm*>(this)->at(control);
}

std::string MemoryForm::text(std::string_view control) const { return at(control).text; }
void MemoryForm::set_text(std::string_view control, const std::string& text) {
  at(control).text = text;
}
int MemoryForm::check_value(std::string_view control) const { return at(control).check_value; }
int MemoryForm::list_index(std::string_view control) const { return at(control).list_index; }
void MemoryForm::set_visible(std::string_view control, bool visible) {
  at(control).visible = visible;
}

void MemoryForm::type(std::string_view control, const std::string& text) {
  State& s = at(control);
  s.text = text;
  s.list_index = -1;
}

void MemoryForm::pick(std::string_view control, int index) {
  State& s = at(control);
  const design::Control* c = design::find(control);
  s.list_index = index;
  s.text = std::string(c->items.at(static_cast<std::size_t>(index)));
}

void MemoryForm::tick(std::string_view control, bool ticked) { at(control).check_value = ticked; }
bool MemoryForm::visible(std::string_view control) const { return at(control).visible; }

}  // namespace platewise::testing
