#pragma once
// What the engine needs of the window, and the role keys by which it names
// the controls it touches. A role key is the field's key in the field table
// (form_fields.h), which also knows the control behind it. The Qt window
// implements FormAccess; the command line and the tests use an in-memory one.
// Texts are UTF-8.

#include <string>
#include <string_view>

namespace platewise {

class FormAccess {
 public:
  virtual ~FormAccess() = default;
  // Text of a text field, or of a drop-down's text part.
  virtual std::string text(std::string_view role) const = 0;
  // Sets a text field's text. Runs no handler: the engine runs
  // selected_width_edited() itself after writing the selected width.
  virtual void set_text(std::string_view role, const std::string& text) = 0;
  // Value of a check box: 1 ticked, 0 clear.
  virtual int check_value(std::string_view role) const = 0;
  // Position of the picked list item from 0, or -1 while none is picked.
  virtual int list_index(std::string_view role) const = 0;
  virtual void set_visible(std::string_view role, bool visible) = 0;
};

// The role keys. Inputs and results are keys of beam files and of the command line too.
namespace role {
// Existing beam
inline constexpr std::string_view beam_width = "beam_width";
inline constexpr std::string_view beam_height = "beam_height";
inline constexpr std::string_view cover = "cover";
inline constexpr std::string_view bottom_bar_grade = "bottom_bar_grade";
inline constexpr std::string_view bottom_bar_diameter = "bottom_bar_diameter";
inline constexpr std::string_view bottom_bar_count = "bottom_bar_count";
inline constexpr std::string_view bar_rows = "bar_rows";  // read by no command
inline constexpr std::string_view top_bar_grade = "top_bar_grade";
inline constexpr std::string_view top_bar_diameter = "top_bar_diameter";
inline constexpr std::string_view top_bar_count = "top_bar_count";
inline constexpr std::string_view concrete_grade = "concrete_grade";
inline constexpr std::string_view stirrup_legs = "stirrup_legs";
inline constexpr std::string_view stirrup_diameter = "stirrup_diameter";
inline constexpr std::string_view stirrup_spacing = "stirrup_spacing";
// Requirements of the analysis
inline constexpr std::string_view top_area_req = "top_area_req";
inline constexpr std::string_view bottom_area_req = "bottom_area_req";
inline constexpr std::string_view stirrup_area_req = "stirrup_area_req";
inline constexpr std::string_view moment = "moment";
// Plates and options
inline constexpr std::string_view plate_steel = "plate_steel";
inline constexpr std::string_view plate_thickness = "plate_thickness";
inline constexpr std::string_view u_plate_thickness = "u_plate_thickness";
inline constexpr std::string_view u_plate_spacing = "u_plate_spacing";
inline constexpr std::string_view redistribution_on = "redistribution_on";
inline constexpr std::string_view redistribution_percent = "redistribution_percent";
inline constexpr std::string_view redistribution_label = "redistribution_label";
inline constexpr std::string_view percent_sign = "percent_sign";
inline constexpr std::string_view short_anchorage_on = "short_anchorage_on";
// Results. The selected bottom-plate width is typed as an input and written
// as a result; its result key in files is "bottom_width".
inline constexpr std::string_view bottom_plate = "bottom_plate";
inline constexpr std::string_view selected_width = "selected_width";
inline constexpr std::string_view bottom_width = "bottom_width";
inline constexpr std::string_view top_plate = "top_plate";
inline constexpr std::string_view top_width = "top_width";
inline constexpr std::string_view anchorage = "anchorage";
inline constexpr std::string_view side_u_plates = "side_u_plates";
inline constexpr std::string_view crack_width = "crack_width";
inline constexpr std::string_view calculate_button = "calculate_button";
// Hoop plates (shown while short_anchorage_on is ticked)
inline constexpr std::string_view actual_anchorage_label = "actual_anchorage_label";
inline constexpr std::string_view actual_anchorage = "actual_anchorage";
inline constexpr std::string_view hoop_label = "hoop_label";
inline constexpr std::string_view hoop_button = "hoop_button";
inline constexpr std::string_view hoop_plates = "hoop_plates";
// The report group
inline constexpr std::string_view report_view = "report_view";
inline constexpr std::string_view save_report_button = "save_report_button";
inline constexpr std::string_view print_report_button = "print_report_button";
}  // namespace role

}  // namespace platewise
