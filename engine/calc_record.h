#pragma once
// CalcRecord: what the handlers did, kept as numbers while they run, so that
// the calculation report can show every step with its values. Nothing here
// is text made for the report: that is written only when the report is shown
// or saved. A quantity a run did not reach stays empty (nullopt).

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc_error.h"
#include "form_fields.h"

namespace platewise {

using Noted = std::optional<double>;

// The inputs the Calculate command reads, in the order of the field table:
// every input but those of the later handlers (the selected width, the
// actual anchorage length and its check box).
std::span<const InputField* const> calculate_inputs();

// One run of the crack check: its operands as it read them, then each
// quantity in the order it computes them.
struct CrackRecord {
  Noted b, h, h0, a, as, aa, ftk, nu, es;  // beam, bars, counted plate area, materials
  Noted ate, moment, sigma_s, rho_te;
  Noted psi_raw, psi;  // before and after the bounds 0.4 and 1
  Noted d, c;          // D, and the cover term's c = a − 10
  Noted raw, w;
};

// The selected bottom-plate width set (by the engineer or by Calculate) and
// the crack check that follows.
struct WidthEditRecord {
  std::string typed;  // the text of the field, as read
  Noted width, t, area;
  CrackRecord check;
  std::optional<CalcError> error;
  unsigned sequence = 0;  // order among the handlers run after Calculate
};

struct PlateRecord {
  std::optional<bool> needed;  // the face's required area exceeds the existing one
  Noted shortfall, width;      // width unrounded
  Noted shown;                 // the width as shown: rounded down
  Noted anchor_length;         // the anchorage step run in this branch
};

struct SideUPlateRecord {
  enum class Outcome { NotNeeded, LuTooLarge, Sized };
  std::optional<Outcome> outcome;
  Noted extra, s, lu, lu_limit, t, bu;
  Noted bu_shown;  // bu as shown: the nearest whole number
};

struct CalculateRecord {
  std::chrono::system_clock::time_point started;
  std::vector<std::string> inputs;  // calculate_inputs() as typed; check boxes "1" or "0"

  struct Materials {
    int bottom_grade = -1, top_grade = -1, concrete = -1, plate_steel = -1;  // picked indexes
    double fy_bottom = 0, es_bottom = 0, nu = 0, fy_top = 0, fc = 0, fcv = 0, ftk = 0, fa = 0;
  } materials;

  struct Section {
    Noted stirrup_d, fyv;
    Noted b, h, a, h0, t;
    Noted bottom_d, bottom_n, as_bottom, top_d, top_n, as_top;
    Noted stirrup_legs, stirrup_s, asv_exist;
    Noted top_req_cm2, as_top_req, bottom_req_cm2, as_bottom_req;  // before redistribution
    Noted asv_req_cm2, asv_req;
  } section;

  struct Redistribution {
    bool on = false;
    Noted percent, moved, as_top_req, as_bottom_req;  // the requirements after it
  } redistribution;

  PlateRecord bottom, top;
  WidthEditRecord shown_width;  // writing the shown bottom width runs a first crack check
  SideUPlateRecord u_plates;

  struct PlateArea {
    std::optional<bool> bottom_needed;
    Noted t, width, area;
  } plate_area;

  CrackRecord crack;
  bool finished = false;
  std::optional<CalcError> error;  // where and why the run stopped; unset for an unexpected fault
};

// The U hoop-plate command.
struct HoopRecord {
  std::string actual_typed;  // the actual anchorage length as read
  Noted actual;              // available anchorage length
  Noted anchor_length;       // calculated anchorage length as its field shows it
  std::optional<bool> needed;
  Noted b, fcv, lu;
  std::optional<bool> first_formula;
  std::string width_typed;  // the selected width as read
  Noted width, fa, t, excess, quotient, count;
  Noted u_t, u_bu, u_s;  // the side U plate the hoops take their size from
  bool finished = false;
  std::optional<CalcError> error;
  unsigned sequence = 0;
};

// The texts the handlers wrote into the result fields since the last
// Calculate started: for each field the last one, by result key (the
// selected width, written as "selected_width", is "bottom_width").
class WrittenTexts {
 public:
  void note(std::string_view key, const std::string& text);
  // nullptr where no handler wrote since the last Calculate started.
  const std::string* find(std::string_view key) const;
  void clear();  // keeps the room of the texts, so that a run seldom allocates

 private:
  std::vector<std::string> texts_;  // in the order of result_fields()
  std::vector<char> written_;
};

struct CalcRecord {
  bool calculated = false;  // a Calculate run has started
  CalculateRecord calculate;
  // The last of each handler run after the last Calculate, if any.
  std::optional<WidthEditRecord> width_edit;
  std::optional<HoopRecord> hoops;
  unsigned events = 0;  // handlers run after the last Calculate
  WrittenTexts written;
};

// The run whose selected width counts now: the last edit's, or else the
// width Calculate wrote; nullptr when neither reached reading it.
const WidthEditRecord* width_in_use(const CalcRecord& record);
// The crack check whose width the crack-width field shows: the last one that
// finished; nullptr when none did.
const CrackRecord* shown_crack_check(const CalcRecord& record);

}  // namespace platewise
