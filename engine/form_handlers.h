#pragma once
// The handlers of the window's events and the procedures they share. They
// work on one BeamState and reach the window only through FormAccess.
// A handler that meets a run-time error throws CalcError; whatever it wrote
// before stays written. As they run they record their numbers (CalcRecord)
// for the calculation report; recording changes no result and no order.

#include "beam_state.h"
#include "calc_record.h"
#include "form_access.h"

namespace platewise {

class FormHandlers {
 public:
  FormHandlers(BeamState& state, FormAccess& form) : s_(state), form_(form) {}

  void calculate();                // "计算": the Calculate command
  void size_hoop_plates();         // "计算U型箍板": U hoop plates at the plate ends
  void redistribution_toggled();   // shows or hides the redistribution percentage
  void short_anchorage_toggled();  // shows or hides the hoop-plate inputs, fills in the length
  void selected_width_edited();    // the selected bottom-plate width changed

  // What the handlers did since the window opened, for the report.
  const CalcRecord& record() const { return record_; }

 private:
  // Material look-ups by the picked list index
  void set_bottom_bar_grade();
  void set_top_bar_grade();
  void set_concrete_grade();
  void set_plate_steel();
  // Values of one Calculate run that are not kept in BeamState
  struct Stirrups {
    Num fyv;       // design strength of the existing stirrups, N/mm²
    Num existing;  // asv_exist, mm² per metre
    Num required;  // asv_req, mm² per metre
  };

  // Steps of the Calculate command, in the order it runs them
  Stirrups read_section();
  void redistribute();
  void size_bottom_plate();
  void size_top_plate();
  void anchor_length_step(PlateRecord& noted);
  void size_side_u_plates(const Stirrups& stirrups);
  void set_bottom_plate_area();
  void check_crack_width(CrackRecord& noted);

  void calculate_steps();
  void snapshot_inputs();
  // Sets the selected width's plate area and runs the crack check.
  void width_changed(WidthEditRecord& noted);
  // Keeps `value` in `slot` and gives it back, so a formula stays one expression.
  static Num noted(Noted& slot, Num value) {
    slot = value.value();
    return value;
  }

  // The number in an input's text. During Calculate, the text is the one
  // taken at the start of the run (the same, since nothing else runs meanwhile).
  Num number_in(std::string_view role) const;
  const std::string* calculate_input(std::string_view role) const;
  // Sets a result field's text and records it for the report.
  void write(std::string_view role, const std::string& text);
  // Writes the selected bottom-plate width and runs its change handler.
  void set_bottom_width(const std::string& text);
  // "A3号钢:4(厚)X131(宽)": plate steel, thickness and shown width.
  std::string plate_text(const std::string& shown_width) const;
  // "3(厚)X24(宽bu)X150(高Lu)@100": the side U plate in BeamState.
  std::string u_plate_text() const;
  // Whether the actual anchorage length needs no hoops: it is at least the
  // calculated length as its field shows it.
  bool anchorage_enough(HoopRecord& noted, Num actual) const;

  BeamState& s_;
  FormAccess& form_;
  CalcRecord record_;
  bool calculating_ = false;  // inside calculate()
};

}  // namespace platewise
