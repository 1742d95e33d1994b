#pragma once
// The handlers of the window's events: a thin adapter that reads the fields
// a handler reads (through FormAccess), runs the handler's computation
// (handler_runs.h) on the window's BeamState and writes back what it wrote.
// A handler that meets a run-time error throws CalcError; whatever it wrote
// before stays written. What the handlers did since the last Calculate is
// kept (DesignTrace) for the checks and the calculation report.

#include "beam_state.h"
#include "design_trace.h"
#include "form_access.h"

namespace platewise {

class FormHandlers {
 public:
  // `formulas`: keep each formula's terms for the report (the window does).
  FormHandlers(BeamState& state, FormAccess& form, bool formulas = true)
      : s_(state), form_(form), formulas_(formulas) {}

  void calculate();                // "计算": the Calculate command
  void size_hoop_plates();         // "计算U型箍板": U hoop plates at the plate ends
  void redistribution_toggled();   // shows or hides the redistribution percentage
  void short_anchorage_toggled();  // shows or hides the hoop-plate inputs, fills in the length
  void selected_width_edited();    // the selected bottom-plate width changed

  // What the handlers did since the last Calculate, for the checks and the report.
  const DesignTrace& trace() const { return trace_; }
  // Forgets every run, as for a form set back to its start texts.
  void forget() { trace_ = {}; }

 private:
  // Writes what `run` wrote into the form, and throws the error that stopped it.
  void write_back(const HandlerRun& run);

  BeamState& s_;
  FormAccess& form_;
  bool formulas_;
  DesignTrace trace_;
};

}  // namespace platewise
