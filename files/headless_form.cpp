#include "headless_form.h"

#include <stdexcept>

#include "form_fields.h"

namespace platewise {
namespace {

// Controls that only show and hide with an option, besides its fields.
constexpr std::string_view kOptionLabelsAndButtons[] = {
    ctl::redistribution_label, ctl::percent_sign, ctl::actual_anchorage_label, ctl::hoop_label,
    ctl::hoop_command};

// Hidden until their option is ticked.
bool hidden_at_start(std::string_view control) {
  for (std::string_view c : kOptionLabelsAndButtons) {
    if (c == control) return true;
  }
  return control == ctl::redistribution_percent || control == ctl::actual_anchorage ||
         control == ctl::hoop_plates;
}

}  // namespace

HeadlessForm::HeadlessForm() {
  // Text9 and Text4 are inputs and results: the first entry, the input's, stays.
  const auto add = [this](std::string_view name, std::string_view text) {
    controls_.try_emplace(name, Control{text, std::string(text), -1, 0, !hidden_at_start(name)});
  };
  for (const InputField& f : input_fields()) add(f.control, f.start_text);
  for (const ResultField& f : result_fields()) add(f.control, "");
  for (std::string_view c : kOptionLabelsAndButtons) add(c, "");
}

void HeadlessForm::reset() {
  for (auto& [name, c] : controls_) {
    c.text = c.start_text;
    c.list_index = -1;
    c.check_value = 0;
    c.visible = !hidden_at_start(name);
  }
}

HeadlessForm::Control& HeadlessForm::at(std::string_view name) {
  const auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control " + std::string(name));
  return it->second;
}

const HeadlessForm::Control& HeadlessForm::at(std::string_view name) const {
  return const_cast<HeadlessForm*>(this)->at(name);
}

std::string HeadlessForm::text(std::string_view control) const { return at(control).text; }
void HeadlessForm::set_text(std::string_view control, const std::string& text) {
  at(control).text = text;
}
int HeadlessForm::check_value(std::string_view control) const { return at(control).check_value; }
int HeadlessForm::list_index(std::string_view control) const { return at(control).list_index; }
void HeadlessForm::set_visible(std::string_view control, bool visible) {
  at(control).visible = visible;
}
bool HeadlessForm::visible(std::string_view control) const { return at(control).visible; }

void HeadlessForm::type(std::string_view control, const std::string& text) {
  Control& c = at(control);
  const InputField* input = input_by_control(control);
  c.list_index = input != nullptr ? input->item_named(text) : -1;
  // A named item shows as it is spelt in the list, as in the window once the edit is done.
  c.text =
      c.list_index >= 0 ? std::string(input->items[static_cast<std::size_t>(c.list_index)]) : text;
}

void HeadlessForm::pick(std::string_view control, int index) {
  Control& c = at(control);
  c.text = input_by_control(control)->items[static_cast<std::size_t>(index)];
  c.list_index = index;
}

void HeadlessForm::tick(std::string_view control, bool ticked) {
  at(control).check_value = ticked ? 1 : 0;
}

}  // namespace platewise
