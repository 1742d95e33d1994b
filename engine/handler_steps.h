#pragma once
// The steps the handlers' runs are made of, each a function of BeamState
// and the run it belongs to. Used by the engine's run files only.

#include <string>
#include <string_view>

#include "handler_runs.h"

namespace platewise::steps {

// Values of one Calculate run that are not kept in BeamState.
struct Stirrups {
  Value fyv;       // design strength of the existing stirrups, N/mm²
  Value existing;  // existing stirrup area per metre, mm²/m
  Value required;  // required stirrup area per metre, mm²/m
};

// The steps of the Calculate command, in the order it runs them.
void look_up_materials(BeamState& s, CalculateRun& run);
Stirrups read_section(BeamState& s, CalculateRun& run);
void redistribute(BeamState& s, CalculateRun& run);
void size_bottom_plate(BeamState& s, CalculateRun& run);
void size_top_plate(BeamState& s, CalculateRun& run);
void anchor_length_step(BeamState& s, CalculateRun& run);  // inside each plate step
void size_side_u_plates(BeamState& s, CalculateRun& run, const Stirrups& stirrups);
void set_bottom_plate_area(BeamState& s, CalculateRun& run);

// The selected width written or typed: the plate area it gives, then the
// crack check, traced in `tr` and writing into `out`.
void width_changed(BeamState& s, const std::string& typed, std::string_view moment, Trace& tr,
                   HandlerRun& out);
// The crack check on the plate area in `s`, with the moment as `moment` spells it.
void check_crack_width(const BeamState& s, std::string_view moment, Trace& tr, HandlerRun& out);

// "3(厚)X24(宽bu)X150(高Lu)@100": the side U plate in BeamState.
std::string u_plate_text(const BeamState& s);

}  // namespace platewise::steps
