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

#include "form_access.h"
#include "materials.h"

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

// What a drop-down's text that names none of its items stands for.
enum class Unlisted {
  StartRow,   // a material: the row of the list's start text
  Number,     // the number the text spells
  StartItem,  // read by no command; the section sketch draws the start item
};

struct InputField {
  std::string_view key;      // role key: "beam_width"
  std::string_view control;  // "txt_lk(0)"
  FieldKind kind;
  std::string_view label;       // as the window labels it, with its unit: "梁宽(mm)"
  std::string_view start_text;  // the text at start; empty for check boxes
  std::span<const std::string_view> items = {};  // drop-down items
  Unlisted unlisted = Unlisted::StartRow;        // what a text that names no item stands for
  Given given = Given::WithCalculate;

  // Position of the item that `typed` names, or -1. Blanks around the text
  // and the letter case are ignored: " c30 " names "C30".
  int item_named(std::string_view typed) const;
};

// The items of the drop-downs that are no material list.
inline constexpr std::string_view kCovers[] = {"35", "60"};
inline constexpr std::string_view kBarRows[] = {"单排", "双排"};
inline constexpr std::string_view kStirrupLegs[] = {"2", "4", "6", "8"};

// Every input, in the order of the window's groups; those given after
// Calculate come last.
// clang-format off
inline constexpr InputField kInputFields[] = {
    // The existing beam
    {role::beam_width,             "txt_lk(0)", FieldKind::Text,  "梁宽(mm)",                "250"},
    {role::beam_height,            "Txt_lg(1)", FieldKind::Text,  "梁高(mm)",                "600"},
    {role::cover,                  "cmb_bhc",   FieldKind::List,  "砼保护层(mm)",            "35",     kCovers,             Unlisted::Number},
    {role::bottom_bar_grade,       "cmb_sl",    FieldKind::List,  "梁底钢筋级别",            "II级",   kBarGradeNames,      Unlisted::StartRow},
    {role::bottom_bar_diameter,    "txt_dd",    FieldKind::Text,  "梁底钢筋直径(mm)",        "25"},
    {role::bottom_bar_count,       "txt_nd",    FieldKind::Text,  "梁底钢筋条数",            "3"},
    {role::bar_rows,               "cmb_gjpl",  FieldKind::List,  "梁底钢筋排列",            "单排",   kBarRows,            Unlisted::StartItem},
    {role::top_bar_grade,          "cmb_sm",    FieldKind::List,  "梁面钢筋级别",            "II级",   kBarGradeNames,      Unlisted::StartRow},
    {role::top_bar_diameter,       "Txt_dm",    FieldKind::Text,  "梁面钢筋直径(mm)",        "25"},
    {role::top_bar_count,          "txt_nm",    FieldKind::Text,  "梁面钢筋条数",            "2"},
    {role::concrete_grade,         "Cmb_Hnt",   FieldKind::List,  "砼强度等级",              "C20",    kConcreteGradeNames, Unlisted::StartRow},
    {role::stirrup_legs,           "cmb_ngj",   FieldKind::List,  "梁端箍筋肢数",            "2",      kStirrupLegs,        Unlisted::Number},
    {role::stirrup_diameter,       "Txt_gj(1)", FieldKind::Text,  "梁端箍筋直径(mm)",        "8"},
    {role::stirrup_spacing,        "txt_gja",   FieldKind::Text,  "梁端箍筋间距(mm)",        "100"},
    // What the analysis requires
    {role::top_area_req,           "txt_mj(0)", FieldKind::Text,  "加固所需梁面筋(cm2)",     "12"},
    {role::bottom_area_req,        "Txt_dj(1)", FieldKind::Text,  "加固所需梁底筋(cm2)",     "18"},
    {role::stirrup_area_req,       "Txt_gj(0)", FieldKind::Text,  "加固所需梁箍筋(cm2)",     "1.2"},
    {role::moment,                 "txt_m",     FieldKind::Text,  "梁跨中弯矩标准值(kN.m)",  "50"},
    // Plates and options
    {role::plate_steel,            "cmb_gb",    FieldKind::List,  "选用钢材",                "A3号钢", kPlateSteelNames,    Unlisted::StartRow},
    {role::plate_thickness,        "txt_hgb",   FieldKind::Text,  "选用钢板厚度(mm)",        "4"},
    {role::u_plate_thickness,      "txt_du",    FieldKind::Text,  "梁侧U型钢板厚度(mm)",     "3"},
    {role::u_plate_spacing,        "txt_gba",   FieldKind::Text,  "梁侧U型钢板箍板间距(mm)", "100"},
    {role::redistribution_on,      "Check1",    FieldKind::Check, "梁面筋调幅",              ""},
    {role::redistribution_percent, "Text8",     FieldKind::Text,  "梁面筋调幅幅度(%)",       "75"},
    // Given after Calculate
    {role::short_anchorage_on,     "Check2",    FieldKind::Check, "实际锚固长度小于计算值",  "",       {}, {}, Given::AfterCalculate},
    {role::actual_anchorage,       "Text4",     FieldKind::Text,  "实际锚固长度(mm)",        "",       {}, {}, Given::AfterCalculate},
    {role::selected_width,         "Text9",     FieldKind::Text,  "梁底钢板实选宽度",        "",       {}, {}, Given::AfterCalculate},
};
// clang-format on

// The position of the input `key` in the table, found while compiling.
consteval std::size_t input_at(std::string_view key) {
  for (std::size_t i = 0; i < std::size(kInputFields); ++i) {
    if (kInputFields[i].key == key) return i;
  }
  throw "no input of that key";
}

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

// For a drop-down whose text names none of its items, what the engineer is
// told: "砼强度等级“C45”不在列表中，按C20计算", "砼保护层(mm)“40”不在列表中，按40计算".
// Empty when the text names an item, and for any other field.
std::string unlisted_item_notice(const InputField& list, std::string_view text);
// The four drop-downs whose picked item selects a material row.
std::span<const InputField* const> material_lists();
// The notices of every drop-down of the form, joined by "；"; empty when all name an item.
std::string unlisted_items(const FormAccess& form);

}  // namespace platewise
