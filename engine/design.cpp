#include "design.h"

#include <algorithm>

namespace platewise {
namespace {

// The text given for `key`; nullptr when it is not given or empty.
const std::string* text_given(const Beam& beam, std::string_view key) {
  const auto* text = std::get_if<std::string>(beam.given(key));
  return text != nullptr && !text->empty() ? text : nullptr;
}

bool ticked(const Beam& beam, std::string_view key) {
  const auto* tick = std::get_if<bool>(beam.given(key));
  return tick != nullptr && *tick;
}

// A text as the window shows it once typed: a drop-down's text that names
// one of its items is that item as the list spells it.
void type_into(std::string& field_text, const InputField& field, const std::string& typed) {
  const int item = field.kind == FieldKind::List ? field.item_named(typed) : -1;
  if (item >= 0) {
    field_text = field.items[static_cast<std::size_t>(item)];
  } else {
    field_text = typed;
  }
}

void fill_inputs(const Beam& beam, CalculateRun& run) {
  const std::span<const InputField* const> fields = calculate_inputs();
  run.inputs.resize(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const InputField& field = *fields[i];
    // assign(data, size): GCC 12 at -O3 warns falsely (-Wrestrict) on operator=.
    const std::string_view start = field.kind == FieldKind::Check ? "0" : field.start_text;
    run.inputs[i].assign(start.data(), start.size());
  }
  for (const GivenInput& input : beam.inputs) {
    if (input.field->given != Given::WithCalculate) continue;
    std::string& text = run.inputs[static_cast<std::size_t>(input.field - kInputFields)];
    if (const auto* typed = std::get_if<std::string>(&input.value)) {
      type_into(text, *input.field, *typed);
    } else if (input.field->kind == FieldKind::Check) {
      text.assign(1, std::get<bool>(input.value) ? '1' : '0');
    }
  }
  const auto picked = [&](std::size_t at) { return kInputFields[at].item_named(run.inputs[at]); };
  run.picks = {picked(input_at(role::bottom_bar_grade)), picked(input_at(role::top_bar_grade)),
               picked(input_at(role::concrete_grade)), picked(input_at(role::plate_steel))};
}

std::size_t result_at(std::string_view key) {
  const std::span<const ResultField> fields = result_fields();
  return static_cast<std::size_t>(std::ranges::find(fields, key, &ResultField::key) -
                                  fields.begin());
}

// Shows what `run` wrote; true while the sequence goes on.
bool shown(Design& out, const HandlerRun& run) {
  out.trace.note_writes(run);
  for (const FieldWrite& w : run.writes) {
    const std::string_view key = w.role == role::selected_width ? role::bottom_width : w.role;
    const std::size_t at = result_at(key);
    if (at < out.results.size()) out.results[at] = w.text;
    if (w.role == role::selected_width) out.selected_width = w.text;
  }
  if (run.error) out.error = run.error;
  return !run.error;
}

void run_sequence(const Beam& beam, bool formulas, Design& out) {
  DesignTrace& trace = out.trace;
  trace.restart();
  trace.calculate.start(formulas);
  // The report says when it was computed; a run without one needs no clock.
  if (formulas) trace.calculate.started = std::chrono::system_clock::now();
  fill_inputs(beam, trace.calculate);
  calculate(out.state, trace.calculate);
  if (!shown(out, trace.calculate)) return;

  if (const std::string* width = text_given(beam, role::selected_width)) {
    WidthEditRun& edit = trace.width_edit.emplace();
    edit.start(formulas);
    edit.sequence = ++trace.events;
    edit.typed = *width;
    out.selected_width = *width;
    out.results[result_at(role::bottom_width)] = *width;
    edit_selected_width(out.state, trace.calculate.input(input_at(role::moment)), edit);
    if (!shown(out, edit)) return;
  }
  if (!ticked(beam, role::short_anchorage_on)) return;
  // Ticking the option fills in the calculated length.
  out.actual_anchorage = out.state.anchor_length.text();
  if (const std::string* actual = text_given(beam, role::actual_anchorage)) {
    out.actual_anchorage = *actual;
  }
  out.results[result_at(role::actual_anchorage)] = out.actual_anchorage;
  HoopRun& hoops = trace.hoops.emplace();
  hoops.start(formulas);
  hoops.sequence = ++trace.events;
  hoops.actual_typed = out.actual_anchorage;
  size_hoop_plates(out.state, out.selected_width, hoops);
  shown(out, hoops);
}

}  // namespace

const InputValue* Beam::given(std::string_view key) const {
  for (const GivenInput& input : inputs) {
    if (input.field->key == key) return &input.value;
  }
  return nullptr;
}

void design(const Beam& beam, Detail detail, Design& out) {
  out.state = BeamState{};
  out.error.reset();
  out.results.assign(result_fields().size(), std::string());
  out.selected_width.clear();
  out.actual_anchorage.clear();
  run_sequence(beam, detail == Detail::Formulas, out);
  design_checks(out.trace, beam.report,
                detail == Detail::Verdicts ? CheckTexts::Left : CheckTexts::Written, out.checks);
}

Design design(const Beam& beam, Detail detail) {
  Design out;
  design(beam, detail, out);
  return out;
}

const std::string& result_text(const BeamOutcome& outcome, std::string_view key) {
  return outcome.results.at(result_at(key));
}

}  // namespace platewise
