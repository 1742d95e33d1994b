#include "form_fields.h"

#include <algorithm>
#include <array>

#include "form_access.h"

namespace platewise {
namespace {

using enum FieldKind;

constexpr std::string_view kCovers[] = {"35", "60"};
constexpr std::string_view kBarGrades[] = {"I级", "II级"};
constexpr std::string_view kBarRows[] = {"单排", "双排"};
constexpr std::string_view kConcreteGrades[] = {"C10", "C15", "C20", "C25", "C30", "C35", "C40"};
constexpr std::string_view kStirrupLegs[] = {"2", "4", "6", "8"};
constexpr std::string_view kPlateSteels[] = {"A3号钢", "16Mn钢"};

// clang-format off
constexpr InputField kInputs[] = {
    // The existing beam
    {"beam_width",             ctl::beam_width,             Text,  "梁宽(mm)",                "250"},
    {"beam_height",            ctl::beam_height,            Text,  "梁高(mm)",                "600"},
    {"cover",                  ctl::cover,                  List,  "砼保护层(mm)",            "35",     kCovers},
    {"bottom_bar_grade",       ctl::bottom_bar_grade,       List,  "梁底钢筋级别",            "II级",   kBarGrades},
    {"bottom_bar_diameter",    ctl::bottom_bar_diameter,    Text,  "梁底钢筋直径(mm)",        "25"},
    {"bottom_bar_count",       ctl::bottom_bar_count,       Text,  "梁底钢筋条数",            "3"},
    {"bar_rows",               ctl::bar_rows,               List,  "梁底钢筋排列",            "单排",   kBarRows},
    {"top_bar_grade",          ctl::top_bar_grade,          List,  "梁面钢筋级别",            "II级",   kBarGrades},
    {"top_bar_diameter",       ctl::top_bar_diameter,       Text,  "梁面钢筋直径(mm)",        "25"},
    {"top_bar_count",          ctl::top_bar_count,          Text,  "梁面钢筋条数",            "2"},
    {"concrete_grade",         ctl::concrete_grade,         List,  "砼强度等级",              "C20",    kConcreteGrades},
    {"stirrup_legs",           ctl::stirrup_legs,           List,  "梁端箍筋肢数",            "2",      kStirrupLegs},
    {"stirrup_diameter",       ctl::stirrup_diameter,       Text,  "梁端箍筋直径(mm)",        "8"},
    {"stirrup_spacing",        ctl::stirrup_spacing,        Text,  "梁端箍筋间距(mm)",        "100"},
    // What the analysis requires
    {"top_area_req",           ctl::top_area_req,           Text,  "加固所需梁面筋(cm2)",     "12"},
    {"bottom_area_req",        ctl::bottom_area_req,        Text,  "加固所需梁底筋(cm2)",     "18"},
    {"stirrup_area_req",       ctl::stirrup_area_req,       Text,  "加固所需梁箍筋(cm2)",     "1.2"},
    {"moment",                 ctl::moment,                 Text,  "梁跨中弯矩标准值(kN.m)",  "50"},
    // Plates and options
    {"plate_steel",            ctl::plate_steel,            List,  "选用钢材",                "A3号钢", kPlateSteels},
    {"plate_thickness",        ctl::plate_thickness,        Text,  "选用钢板厚度(mm)",        "4"},
    {"u_plate_thickness",      ctl::u_plate_thickness,      Text,  "梁侧U型钢板厚度(mm)",     "3"},
    {"u_plate_spacing",        ctl::u_plate_spacing,        Text,  "梁侧U型钢板箍板间距(mm)", "100"},
    {"redistribution_on",      ctl::redistribution_on,      Check, "梁面筋调幅",              ""},
    {"redistribution_percent", ctl::redistribution_percent, Text,  "梁面筋调幅幅度(%)",       "75"},
    {"short_anchorage_on",     ctl::short_anchorage_on,     Check, "实际锚固长度小于计算值",  ""},
    {"actual_anchorage",       ctl::actual_anchorage,       Text,  "实际锚固长度(mm)",        ""},
    {"selected_width",         ctl::bottom_width,           Text,  "梁底钢板实选宽度",        ""},
};

constexpr ResultField kResults[] = {
    {"bottom_plate",     ctl::bottom_plate,     "梁底钢板"},
    {"bottom_width",     ctl::bottom_width,     "梁底钢板实选宽度"},
    {"top_plate",        ctl::top_plate,        "梁面钢板"},
    {"top_width",        ctl::top_width,        "梁面钢板实选宽度"},
    {"anchorage",        ctl::anchorage,        "计算锚固长度(mm)"},
    {"side_u_plates",    ctl::side_u_plates,    "梁侧U型钢板"},
    {"crack_width",      ctl::crack_width,      "加固后裂缝验算(mm)"},
    {"actual_anchorage", ctl::actual_anchorage, "实际锚固长度(mm)"},
    {"hoop_plates",      ctl::hoop_plates,      "钢板端部锚固区U型箍板"},
};
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
      input_by_control(ctl::bottom_bar_grade), input_by_control(ctl::top_bar_grade),
      input_by_control(ctl::concrete_grade), input_by_control(ctl::plate_steel)};
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
    const std::string notice = unlisted_material_notice(*list, form.text(list->control));
    if (notice.empty()) continue;
    if (!notices.empty()) notices += "；";
    notices += notice;
  }
  return notices;
}

}  // namespace platewise
