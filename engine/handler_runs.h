#pragma once
// The computations of the window's handlers, without a window. Each takes
// the texts it reads as they stand in the fields, works on the BeamState the
// earlier runs left, and keeps in its run what it computed (its trace), the
// texts it wrote into result fields in the order it wrote them, and the
// error that stopped it. A stopped run keeps all it did before the failing
// operation; its later steps are not done.
//
// The window's handlers (form_handlers.h) read the fields into a run, call
// these and write back what the run wrote; design() (design.h) calls them
// in the order an engineer does.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "beam_state.h"
#include "calc_error.h"
#include "form_fields.h"
#include "materials.h"
#include "trace.h"

namespace platewise {

struct FieldWrite {
  std::string_view role;  // a role key of form_access.h
  std::string text;
};

struct HandlerRun {
  Trace trace;
  std::vector<FieldWrite> writes;  // in the order written
  std::optional<CalcError> error;  // what stopped it
  bool finished = false;
  unsigned sequence = 0;  // order among the handlers run after Calculate; 0 for Calculate

  // Empties the run for a new one, keeping its room; `formulas`: see Trace.
  void start(bool formulas);
  void write(std::string_view role, std::string text) { writes.push_back({role, std::move(text)}); }
};

// The inputs the Calculate command reads: every input but those given after
// it (the selected width, the actual anchorage length and its check box).
std::span<const InputField* const> calculate_inputs();

struct CalculateRun : HandlerRun {
  std::chrono::system_clock::time_point started;
  // calculate_inputs() as typed, in their order; check boxes "1" or "0".
  std::vector<std::string> inputs;
  MaterialPicks picks;  // the picked index of each material list
  // Writing the selected bottom-plate width runs its change handler: a first
  // crack check, which the command's last steps supersede. Its texts are
  // written into this run's writes; it stops this run when it stops.
  HandlerRun shown_width;

  void start(bool formulas);
  // The text of the input `at` (input_at()) when the run started.
  const std::string& input(std::size_t at) const { return inputs[at]; }
};

struct WidthEditRun : HandlerRun {
  std::string typed;  // the selected width as the field holds it
};

struct HoopRun : HandlerRun {
  std::string actual_typed;  // the actual anchorage length as its field holds it
  std::string width_typed;   // the selected width, read only when hoops are needed
};

// "计算": reads `run.inputs` and `run.picks`, fills the rest of `run`.
void calculate(BeamState& state, CalculateRun& run);
// The selected width changed to `run.typed`: the plate area it gives and the
// crack check, with the moment as its field holds it now.
void edit_selected_width(BeamState& state, std::string_view moment, WidthEditRun& run);
// "计算U型箍板" on what the last Calculate left: reads `run.actual_typed`,
// and `selected_width` when hoops are needed.
void size_hoop_plates(const BeamState& state, std::string_view selected_width, HoopRun& run);

}  // namespace platewise
