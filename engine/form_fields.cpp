#include "form_fields.h"

#include <algorithm>
#include <array>
#include <vector>

#include "calc_error.h"
#include "form_access.h"
#include "number_rules.h"

namespace platewise {
namespace {

// clang-format off
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

std::span<const InputField> input_fields() { return kInputFields; }
std::span<const ResultField> result_fields() { return kResults; }

std::span<const ControlRole> control_roles() {
  static const std::vector<ControlRole> kRoles = [] {
    std::vector<ControlRole> roles;
    for (const InputField& f : kInputFields) roles.push_back({f.key, f.control});
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

std::string unlisted_item_notice(const InputField& list, std::string_view text) {
  if (list.kind != FieldKind::List || list.item_named(text) >= 0) return {};
  std::string notice(list.label);
  notice.append("“").append(text).append("”不在列表中，");
  switch (list.unlisted) {
    case Unlisted::StartRow:
      return notice.append("按").append(list.start_text).append("计算");
    case Unlisted::Number:
      try {
        return notice.append("按").append(number_text(number_of_text(text))).append("计算");
      } catch (const ArithmeticFault&) {
        return notice.append("读数溢出");
      }
    case Unlisted::StartItem:
      break;
  }
  return notice.append("截面简图按").append(list.start_text).append("绘制");
}

std::string unlisted_items(const FormAccess& form) {
  std::string notices;
  for (const InputField& field : input_fields()) {
    if (field.kind != FieldKind::List) continue;
    const std::string notice = unlisted_item_notice(field, form.text(field.key));
    if (notice.empty()) continue;
    if (!notices.empty()) notices += "；";
    notices += notice;
  }
  return notices;
}

}  // namespace platewise
