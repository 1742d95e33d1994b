#pragma once
// The window's fields as data: every input the engineer types, ticks or picks
// and every result a handler writes, with the key that beam files and the
// command line call it by (its role key), the control that shows it, the
// label the window shows beside it, its text at start and, for a drop-down,
// its list items; and which controls the two option boxes show. The window's
// design, the headless form, the beam files and the report all take these
// facts from here. The control names are the window designer's; only this
// table and the window's control table speak them.

#include <span>
#include <string>
#include <string_view>

namespace platewise {

class FormAccess;

enum class FieldKind {
  Text,   // a text field
  List,   // an editable drop-down of fixed items
  Check,  // a check box: 1 ticked, 0 clear
};

// When an input counts: read by every Calculate run, or given only after
// one (the selected width typed over the shown one, the hoop-plate option
// and the actual anchorage length it asks for).
enum class Given { WithCalculate, AfterCalculate };

struct InputField {
  std::string_view key;      // role key: "beam_width"
  std::string_view control;  // "txt_lk(0)"
  FieldKind kind;
  std::string_view label;       // as the window labels it, with its unit: "梁宽(mm)"
  std::string_view start_text;  // the text at start; empty for check boxes
  std::span<const std::string_view> items = {};  // drop-down items
  Given given = Given::WithCalculate;

  // Position of the item that `typed` names, or -1. Blanks around the text
  // and the letter case are ignored: " c30 " names "C30".
  int item_named(std::string_view typed) const;
};

struct ResultField {
  std::string_view key;      // role key: "bottom_plate"
  std::string_view control;  // "Text3"
  std::string_view label;    // "梁底钢板"
};

// A role key and the control behind it.
struct ControlRole {
  std::string_view role;
  std::string_view control;
};

// Every input, in the order of the window's groups.
std::span<const InputField> input_fields();
// Every result field, in the order of the results group.
std::span<const ResultField> result_fields();

// Every role the program addresses: the inputs, the results and the other
// controls (buttons, the options' labels, the report group). A control may
// have two roles: the selected width is "selected_width" and "bottom_width".
std::span<const ControlRole> control_roles();
// The control behind a role; empty when there is none.
std::string_view control_of(std::string_view role);

// The roles an option check box shows while ticked and hides while clear,
// in the order it shows them; all are hidden at start.
std::span<const std::string_view> shown_by(std::string_view option);
bool hidden_at_start(std::string_view role);

// By key or by control name; nullptr when there is none.
const InputField* input_by_key(std::string_view key);
const InputField* input_by_control(std::string_view control);
const ResultField* result_by_key(std::string_view key);
const ResultField* result_by_control(std::string_view control);

// For a material list whose text names none of its items, what the engineer
// is told: "砼强度等级“C45”不在列表中，按C20计算". Empty when the text names an item.
std::string unlisted_material_notice(const InputField& list, std::string_view text);
// The four drop-downs whose picked item selects a material row.
std::span<const InputField* const> material_lists();
// The notices of every material list of the form, joined by "；"; empty when all name an item.
std::string unlisted_materials(const FormAccess& form);

}  // namespace platewise
