#pragma once
// One window's worth of engine: a BeamState, an in-memory window at its
// start state, and the handlers working on both, driven as the engineer does.

#include <gtest/gtest.h>

#include <map>

#include "default_results.h"
#include "form_handlers.h"
#include "headless_form.h"

namespace platewise::testing {

// Texts of controls by role key.
using Texts = std::map<std::string, std::string>;

struct Engine {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers{state, form};

  // Types each text; for a check box "1" ticks it and "0" clears it.
  void enter(const Texts& entries) {
    for (const auto& [name, text] : entries) {
      const InputField* input = input_by_key(name);
      const bool box = input != nullptr && input->kind == FieldKind::Check;
      box ? form.tick(name, text == "1") : form.type(name, text);
    }
  }
  // Runs a handler: "" when it completes, else the message the engineer sees.
  std::string run(void (FormHandlers::*handler)()) {
    try {
      (handlers.*handler)();
      return "";
    } catch (const CalcError& error) {
      return describe(error);
    }
  }
  std::string calculate() { return run(&FormHandlers::calculate); }
  // Enters `before`, calculates, enters `after` and runs `handler`, as run() does.
  std::string after_calculation(const Texts& before, const Texts& after,
                                void (FormHandlers::*handler)()) {
    enter(before);
    calculate();
    enter(after);
    return run(handler);
  }
  // What the result fields show now, joined as kDefaultResults.
  std::string results() const {
    std::string shown = form.text(kResultFields[0]);
    for (std::size_t i = 1; i < kResultFields.size(); ++i)
      shown += "|" + form.text(kResultFields[i]);
    return shown;
  }
};

}  // namespace platewise::testing
