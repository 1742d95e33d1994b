#include "headless_form.h"

#include <stdexcept>

namespace platewise {

HeadlessForm::HeadlessForm() {
  std::unordered_map<std::string_view, std::size_t> by_control;
  for (const ControlRole& r : control_roles()) {
    const auto [slot, added] = by_control.try_emplace(r.control, controls_.size());
    if (added) controls_.push_back(Control{input_by_key(r.role), {}});
    by_role_.emplace(r.role, slot->second);
    if (hidden_at_start(r.role)) hidden_at_start_.push_back(r.role);
  }
  reset();
}

void HeadlessForm::reset() {
  for (Control& c : controls_) {
    c.text = c.input != nullptr ? std::string(c.input->start_text) : std::string();
    c.list_index = -1;
    c.check_value = 0;
    c.visible = true;
  }
  for (std::string_view role : hidden_at_start_) at(role).visible = false;
}

HeadlessForm::Control& HeadlessForm::at(std::string_view role) {
  const auto it = by_role_.find(role);
  if (it == by_role_.end()) throw std::out_of_range("no control for " + std::string(role));
  return controls_[it->second];
}

const HeadlessForm::Control& HeadlessForm::at(std::string_view role) const {
  return const_cast<HeadlessForm*>(this)->at(role);
}

std::string HeadlessForm::text(std::string_view role) const { return at(role).text; }
void HeadlessForm::set_text(std::string_view role, const std::string& text) {
  at(role).text = text;
}
int HeadlessForm::check_value(std::string_view role) const { return at(role).check_value; }
int HeadlessForm::list_index(std::string_view role) const { return at(role).list_index; }
void HeadlessForm::set_visible(std::string_view role, bool visible) { at(role).visible = visible; }
bool HeadlessForm::visible(std::string_view role) const { return at(role).visible; }

void HeadlessForm::type(std::string_view role, const std::string& text) {
  Control& c = at(role);
  c.list_index = c.input != nullptr ? c.input->item_named(text) : -1;
  // A named item shows as it is spelt in the list, as in the window once the edit is done.
  c.text = c.list_index >= 0 ? std::string(c.input->items[static_cast<std::size_t>(c.list_index)])
                             : text;
}

void HeadlessForm::pick(std::string_view role, int index) {
  Control& c = at(role);
  c.text = c.input->items[static_cast<std::size_t>(index)];
  c.list_index = index;
}

void HeadlessForm::tick(std::string_view role, bool ticked) {
  at(role).check_value = ticked ? 1 : 0;
}

}  // namespace platewise
