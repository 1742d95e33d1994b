#include "form_handlers.h"

namespace platewise {

void FormHandlers::write_back(const HandlerRun& run) {
  for (const FieldWrite& w : run.writes) form_.set_text(w.role, w.text);
  trace_.note_writes(run);
  if (run.error) throw *run.error;
}

void FormHandlers::calculate() {
  trace_.restart();
  CalculateRun& run = trace_.calculate;
  run.start(formulas_);
  run.started = std::chrono::system_clock::now();
  const std::span<const InputField* const> fields = calculate_inputs();
  run.inputs.resize(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const InputField& field = *fields[i];
    if (field.kind == FieldKind::Check) {
      run.inputs[i].assign(1, form_.check_value(field.key) == 1 ? '1' : '0');
    } else {
      run.inputs[i] = form_.text(field.key);
    }
  }
  run.picks = {form_.list_index(role::bottom_bar_grade), form_.list_index(role::top_bar_grade),
               form_.list_index(role::concrete_grade), form_.list_index(role::plate_steel)};
  platewise::calculate(s_, run);
  write_back(run);
}

void FormHandlers::selected_width_edited() {
  WidthEditRun& run = trace_.width_edit.emplace();
  run.start(formulas_);
  run.sequence = ++trace_.events;
  run.typed = form_.text(role::selected_width);
  edit_selected_width(s_, form_.text(role::moment), run);
  write_back(run);
}

void FormHandlers::size_hoop_plates() {
  HoopRun& run = trace_.hoops.emplace();
  run.start(formulas_);
  run.sequence = ++trace_.events;
  run.actual_typed = form_.text(role::actual_anchorage);
  platewise::size_hoop_plates(s_, form_.text(role::selected_width), run);
  write_back(run);
}

namespace {

void show_or_hide(FormAccess& form, std::string_view option) {
  const bool on = form.check_value(option) == 1;
  for (std::string_view shown : shown_by(option)) form.set_visible(shown, on);
}

}  // namespace

void FormHandlers::redistribution_toggled() { show_or_hide(form_, role::redistribution_on); }

void FormHandlers::short_anchorage_toggled() {
  show_or_hide(form_, role::short_anchorage_on);
  // The calculated length of the last Calculate run; empty if none sized a plate.
  if (form_.check_value(role::short_anchorage_on) == 1) {
    form_.set_text(role::actual_anchorage, s_.anchor_length.text());
  }
}

}  // namespace platewise
