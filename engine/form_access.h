#pragma once
// What the engine needs of the window, and the names of the controls it
// touches. The Qt window implements FormAccess; tests use an in-memory one.
// Texts are UTF-8.

#include <string>
#include <string_view>

namespace platewise {

class FormAccess {
 public:
  virtual ~FormAccess() = default;
  // Text of a text field, or of a drop-down's text part.
  virtual std::string text(std::string_view control) const = 0;
  // Sets a text field's text. Runs no handler: the engine runs Text9_Change itself.
  virtual void set_text(std::string_view control, const std::string& text) = 0;
  // Value of a check box: 1 ticked, 0 clear.
  virtual int check_value(std::string_view control) const = 0;
  // Position of the picked list item from 0, or -1 while none is picked.
  virtual int list_index(std::string_view control) const = 0;
  virtual void set_visible(std::string_view control, bool visible) = 0;
};

// Names of the controls the engine reads and writes, as the window names them.
namespace ctl {
// Existing beam
inline constexpr std::string_view beam_width = "txt_lk(0)";
inline constexpr std::string_view beam_height = "Txt_lg(1)";
inline constexpr std::string_view cover = "cmb_bhc";
inline constexpr std::string_view bottom_bar_grade = "cmb_sl";
inline constexpr std::string_view bottom_bar_diameter = "txt_dd";
inline constexpr std::string_view bottom_bar_count = "txt_nd";
inline constexpr std::string_view bar_rows = "cmb_gjpl";  // read by no command
inline constexpr std::string_view top_bar_grade = "cmb_sm";
inline constexpr std::string_view top_bar_diameter = "Txt_dm";
inline constexpr std::string_view top_bar_count = "txt_nm";
inline constexpr std::string_view concrete_grade = "Cmb_Hnt";
inline constexpr std::string_view stirrup_legs = "cmb_ngj";
inline constexpr std::string_view stirrup_diameter = "Txt_gj(1)";
inline constexpr std::string_view stirrup_spacing = "txt_gja";
// Requirements of the analysis
inline constexpr std::string_view top_area_req = "txt_mj(0)";
inline constexpr std::string_view bottom_area_req = "Txt_dj(1)";
inline constexpr std::string_view stirrup_area_req = "Txt_gj(0)";
inline constexpr std::string_view moment = "txt_m";
// Plates and options
inline constexpr std::string_view plate_steel = "cmb_gb";
inline constexpr std::string_view plate_thickness = "txt_hgb";
inline constexpr std::string_view u_plate_spacing = "txt_gba";
inline constexpr std::string_view u_plate_thickness = "txt_du";
inline constexpr std::string_view redistribution_on = "Check1";
inline constexpr std::string_view redistribution_percent = "Text8";
inline constexpr std::string_view redistribution_label = "Label21";
inline constexpr std::string_view percent_sign = "Label22";
inline constexpr std::string_view short_anchorage_on = "Check2";
// Results
inline constexpr std::string_view bottom_plate = "Text3";
inline constexpr std::string_view bottom_width = "Text9";
inline constexpr std::string_view top_plate = "Text1";
inline constexpr std::string_view top_width = "Text11";
inline constexpr std::string_view anchorage = "Text2";
inline constexpr std::string_view side_u_plates = "Text6";
inline constexpr std::string_view crack_width = "Text7";
// Hoop plates (shown while Check2 is ticked)
inline constexpr std::string_view actual_anchorage_label = "Label10";
inline constexpr std::string_view actual_anchorage = "Text4";
inline constexpr std::string_view hoop_label = "Label26";
inline constexpr std::string_view hoop_command = "Command2";
inline constexpr std::string_view hoop_plates = "Text5";
}  // namespace ctl

}  // namespace platewise
