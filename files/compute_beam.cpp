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

// Typed only once their step of the sequence comes.
bool typed_later(const InputField& field) {
  return field.key == "selected_width" || field.key == "actual_anchorage";
}

}  // namespace

const InputValue* Beam::given(std::string_view key) const {
  for (const GivenInput& input : inputs) {
    if (input.field->key == key) return &input.value;
  }
  return nullptr;
}

BeamOutcome compute_beam(BeamWindow& window, const Beam& beam) {
  window.reset();
  for (const GivenInput& input : beam.inputs) {
    const auto* text = std::get_if<std::string>(&input.value);
    if (text != nullptr && !typed_later(*input.field)) window.type(input.field->control, *text);
  }
  BeamOutcome outcome;
  try {
    if (ticked(beam, "redistribution_on")) {
      window.tick(ctl::redistribution_on, true);
      window.run_handler(&FormHandlers::Check1_Click);
    }
    window.run_handler(&FormHandlers::Command1_Click);
    if (const std::string* width = text_given(beam, "selected_width")) {
      window.type(ctl::bottom_width, *width);
      window.run_handler(&FormHandlers::Text9_Change);
    }
    if (ticked(beam, "short_anchorage_on")) {
      window.tick(ctl::short_anchorage_on, true);
      window.run_handler(&FormHandlers::Check2_Click);
      if (const std::string* actual = text_given(beam, "actual_anchorage")) {
        window.type(ctl::actual_anchorage, *actual);
      }
      window.run_handler(&FormHandlers::Command2_Click);
    }
  } catch (const CalcError& error) {
    outcome.error = error;
  }
  outcome.results.reserve(result_fields().size());
  for (const ResultField& field : result_fields())
    outcome.results.push_back(window.text(field.control));
  return outcome;
}

}  // namespace platewise
