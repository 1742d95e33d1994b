#pragma once
// One window's worth of engine: a BeamState, an in-memory window at its
// start state, and the handlers working on both.

#include <gtest/gtest.h>

#include <map>

#include "default_results.h"
#include "form_handlers.h"
#include "headless_form.h"

namespace platewise::testing {

// Texts of controls by name.
using Texts = std::map<std::string, std::string>;

inline Texts with(Texts base, const Texts& changes) {
  for (const auto& [name, text] : changes) base[name] = text;
  return base;
}

class EngineTest : public ::testing::Test {
 protected:
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers{state, form};

  void type(const Texts& typed) {
    for (const auto& [name, text] : typed) form.type(name, text);
  }
  // What the result fields show now.
  static Texts results_of(const HeadlessForm& f) {
    Texts shown;
    for (const auto& [name, _] : kDefaultResults) shown[name] = f.text(name);
    return shown;
  }
  Texts results() const { return results_of(form); }
  static double value(const Member& m) { return Num(m).value(); }

  // Runs `handler` and returns the error it stopped with; fails if it did not stop.
  template <class Handler>
  CalcError error_of(Handler&& handler) {
    try {
      handler();
    } catch (const CalcError& e) {
      return e;
    }
    ADD_FAILURE() << "the handler completed without an error";
    return CalcError(FaultKind::Overflow, Step::InputData);
  }
};

}  // namespace platewise::testing
