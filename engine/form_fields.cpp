#include "form_fields.h"

#include <algorithm>
#include <array>
#include <vector>

#include "form_access.h"

namespace platewise {
namespace {

using enum FieldKind;
using enum Given;

constexpr std::string_view kCovers[] = {"35", "60"};
constexpr std::string_view kBarGrades[] = {"I级", "II级"};
constexpr std::string_view kBarRows[] = {"单排", "双排"};
constexpr std::string_view kConcreteGrades[] = {"C10", "C15", "C20", "C25", "C30", "C35", "C40"};
constexpr std::string_view kStirrupLegs[] = {"2", "4", "6", "8"};
constexpr std::string_view kPlateSteels[] = {"A3号钢", "16Mn钢"};

// clang-format off
constexpr InputField kInputs[] = {
    // The existing beam
    {role::beam_width,             "txt_lk(0)", Text,  "梁宽(mm)",                "250"},
    {role::beam_height,            "Txt_lg(1)", Text,  "梁高(mm)",                "600"},
    {role::cover,                  "cmb_bhc",   List,  "砼保护层(mm)",            "35",     kCovers},
    {role::bottom_bar_grade,       "cmb_sl",    List,  "梁底钢筋级别",            "II级",   kBarGrades},
    {role::bottom_bar_diameter,    "txt_dd",    Text,  "梁底钢筋直径(mm)",        "25"},
    {role::bottom_bar_count,       "txt_nd",    Text,  "梁底钢筋条数",            "3"},
    {role::bar_rows,               "cmb_gjpl",  List,  "梁底钢筋排列",            "单排",   kBarRows},
    {role::top_bar_grade,          "cmb_sm",    List,  "梁面钢筋级别",            "II级",   kBarGrades},
    {role::top_bar_diameter,       "Txt_dm",    Text,  "梁面钢筋直径(mm)",        "25"},
    {role::top_bar_count,          "txt_nm",    Text,  "梁面钢筋条数",            "2"},
    {role::concrete_grade,         "Cmb_Hnt",   List,  "砼强度等级",              "C20",    kConcreteGrades},
    {role::stirrup_legs,           "cmb_ngj",   List,  "梁端箍筋肢数",            "2",      kStirrupLegs},
    {role::stirrup_diameter,       "Txt_gj(1)", Text,  "梁端箍筋直径(mm)",        "8"},
    {role::stirrup_spacing,        "txt_gja",   Text,  "梁端箍筋间距(mm)",        "100"},
    // What the analysis requires
    {role::top_area_req,           "txt_mj(0)", Text,  "加固所需梁面筋(cm2)",     "12"},
    {role::bottom_area_req,        "Txt_dj(1)", Text,  "加固所需梁底筋(cm2)",     "18"},
    {role::stirrup_area_req,       "Txt_gj(0)", Text,  "加固所需梁箍筋(cm2)",     "1.2"},
    {role::moment,                 "txt_m",     Text,  "梁跨中弯矩标准值(kN.m)",  "50"},
    // Plates and options
    {role::plate_steel,            "cmb_gb",    List,  "选用钢材",                "A3号钢", kPlateSteels},
    {role::plate_thickness,        "txt_hgb",   Text,  "选用钢板厚度(mm)",        "4"},
    {role::u_plate_thickness,      "txt_du",    Text,  "梁侧U型钢板厚度(mm)",     "3"},
    {role::u_plate_spacing,        "txt_gba",   Text,  "梁侧U型钢板箍板间距(mm)", "100"},
    {role::redistribution_on,      "Check1",    Check, "梁面筋调幅",              ""},
    {role::redistribution_percent, "Text8",     Text,  "梁面筋调幅幅度(%)",       "75"},
    // Given after Calculate
    {role::short_anchorage_on,     "Check2",    Check, "实际锚固长度小于计算值",  "",       {}, AfterCalculate},
    {role::actual_anchorage,       "Text4",     Text,  "实际锚固长度(mm)",        "",       {}, AfterCalculate},
    {role::selected_width,         "Text9",     Text,  "梁底钢板实选宽度",        "",       {}, AfterCalculate},
};

constexpr ResultField kResults[] = {
    {role::bottom_plate,     "Text3",  "梁底钢板"},
    {role::bottom_width,     "Text9",  "梁底钢板实选宽度"},
    {role::top_plate,        "Text1",  "梁面钢板"},
    {role::top_width,        "Text11", "梁面钢板实选宽度"},
    {role::anchorage,        "Text2",  "计算锚固长度(mm)"},
    {role::side_u_plates,    "Text6",  "梁侧U型钢板"},
    {role::crack_width,      "Text7",  "加固后裂缝验算(mm)"},
    {role::actual_anchorage, "Text4",  "实际锚固长度(mm)"},
    {role::hoop_plates,      "Text5",  "钢板端部锚固区U型箍板"},
};

// The controls that are neither inputs nor results.
constexpr ControlRole kOtherControls[] = {
    {role::calculate_button,       "Command1"},
    {role::hoop_button,            "Command2"},
    {role::redistribution_label,   "Label21"},
    {role::percent_sign,           "Label22"},
    {role::actual_anchorage_label, "Label10"},
    {role::hoop_label,             "Label26"},
    {role::report_view,            "RichTextBox1"},
    {role::save_report_button,     "Command4"},
    {role::print_report_button,    "Command5"},
};

// What each option box shows while ticked.
constexpr std::string_view kShownByRedistribution[] = {
    role::redistribution_label, role::redistribution_percent, role::percent_sign};
constexpr std::string_view kShownByShortAnchorage[] = {
    role::actual_anchorage_label, role::actual_anchorage, role::hoop_label, role::hoop_button,
    role::hoop_plates};
// clang-format on

template <class Field>
const Field* find_in(std::span<const Field> fields, std::string_view Field::*member,
                     std::string_view value) {
  const auto it = std::ranges::find(fields, value, member);
  return it == fields.end() ? nullptr : &*it;
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool same_ignoring_case(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

int InputField::item_named(std::string_view typed) const {
  const std::string_view name = trimmed(typed);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (same_ignoring_case(items[i], name)) return static_cast<int>(i);
  }
  return -1;
}

std::span<const InputField> input_fields() { return kInputs; }
std::span<const ResultField> result_fields() { return kResults; }

std::span<const ControlRole> control_roles() {
  static const std::vector<ControlRole> kRoles = [] {
    std::vector<ControlRole> roles;
    for (const InputField& f : kInputs) roles.push_back({f.key, f.control});
    for (const ResultField& f : kResults) {
      if (input_by_key(f.key) == nullptr) roles.push_back({f.key, f.control});
    }
    roles.insert(roles.end(), std::begin(kOtherControls), std::end(kOtherControls));
    return roles;
  }();
  return kRoles;
}

std::string_view control_of(std::string_view role) {
  const ControlRole* found = find_in(control_roles(), &ControlRole::role, role);
  return found == nullptr ? std::string_view() : found->control;
}

std::span<const std::string_view> shown_by(std::string_view option) {
  if (option == role::redistribution_on) return kShownByRedistribution;
  if (option == role::short_anchorage_on) return kShownByShortAnchorage;
  return {};
}

bool hidden_at_start(std::string_view role) {
  return std::ranges::find(kShownByRedistribution, role) != std::end(kShownByRedistribution) ||
         std::ranges::find(kShownByShortAnchorage, role) != std::end(kShownByShortAnchorage);
}

const InputField* input_by_key(std::string_view key) {
  return find_in(input_fields(), &InputField::key, key);
}
const InputField* input_by_control(std::string_view control) {
  return find_in(input_fields(), &InputField::control, control);
}
const ResultField* result_by_key(std::string_view key) {
  return find_in(result_fields(), &ResultField::key, key);
}
const ResultField* result_by_control(std::string_view control) {
  return find_in(result_fields(), &ResultField::control, control);
}

std::span<const InputField* const> material_lists() {
  static const std::array<const InputField*, 4> kLists = {
      input_by_key(role::bottom_bar_grade), input_by_key(role::top_bar_grade),
      input_by_key(role::concrete_grade), input_by_key(role::plate_steel)};
  return kLists;
}

std::string unlisted_material_notice(const InputField& list, std::string_view text) {
  if (list.item_named(text) >= 0) return {};
  std::string notice(list.label);
  notice.append("“").append(text).append("”不在列表中，按").append(list.start_text).append("计算");
  return notice;
}

std::string unlisted_materials(const FormAccess& form) {
  std::string notices;
  for (const InputField* list : material_lists()) {
    const std::string notice = unlisted_material_notice(*list, form.text(list->key));
    if (notice.empty()) continue;
    if (!notices.empty()) notices += "；";
    notices += notice;
  }
  return notices;
}

}  // namespace platewise
