#pragma once
// One beam as a beam file or a table row gives it: a name and the inputs
// given, each by its field in the field table. Fields not given keep their
// start texts when the beam is computed.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "form_fields.h"
#include "report_info.h"

namespace platewise {

// The text typed into a text field or drop-down, or whether a check box is ticked.
using InputValue = std::variant<std::string, bool>;

struct GivenInput {
  const InputField* field;
  InputValue value;

  bool operator==(const GivenInput&) const = default;
};

struct Beam {
  std::string name;
  std::vector<GivenInput> inputs;  // in any order, each field at most once
  ReportInfo report;  // who and what its calculation report is for; its member is `name`

  // The value given for the field with `key`, or nullptr.
  const InputValue* given(std::string_view key) const;

  bool operator==(const Beam&) const = default;
};

}  // namespace platewise
