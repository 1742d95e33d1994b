#pragma once
// One window's worth of engine: a BeamState, an in-memory window at its
// start state, and the handlers working on both.

#include <gtest/gtest.h>

#include "form_handlers.h"
#include "memory_form.h"

namespace platewise::testing {

class EngineTest : public ::testing::Test {
 protected:
  BeamState state;
  MemoryForm form;
  FormHandlers handlers{state, form};

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
