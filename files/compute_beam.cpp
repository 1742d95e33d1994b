#include "compute_beam.h"

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

}  // namespace

BeamOutcome compute_beam(BeamWindow& window, const Beam& beam) {
  window.reset();
  for (const GivenInput& input : beam.inputs) {
    const auto* text = std::get_if<std::string>(&input.value);
    if (text != nullptr && input.field->given == Given::WithCalculate)
      window.type(input.field->key, *text);
  }
  BeamOutcome outcome;
  try {
    if (ticked(beam, role::redistribution_on)) {
      window.tick(role::redistribution_on, true);
      window.run_handler(&FormHandlers::redistribution_toggled);
    }
    window.run_handler(&FormHandlers::calculate);
    if (const std::string* width = text_given(beam, role::selected_width)) {
      window.type(role::selected_width, *width);
      window.run_handler(&FormHandlers::selected_width_edited);
    }
    if (ticked(beam, role::short_anchorage_on)) {
      window.tick(role::short_anchorage_on, true);
      window.run_handler(&FormHandlers::short_anchorage_toggled);
      if (const std::string* actual = text_given(beam, role::actual_anchorage)) {
        window.type(role::actual_anchorage, *actual);
      }
      window.run_handler(&FormHandlers::size_hoop_plates);
    }
  } catch (const CalcError& error) {
    outcome.error = error;
  }
  outcome.results.reserve(result_fields().size());
  for (const ResultField& field : result_fields())
    outcome.results.push_back(window.text(field.key));
  outcome.checks = design_checks(window.trace(), beam.report);
  return outcome;
}

}  // namespace platewise
