#pragma once
// The window's fields without a window: every role of the field table with
// its start text, no list item picked, check boxes clear and the controls of
// the two options hidden, as in a freshly opened window. The command line and
// the tests drive the engine's handlers through it. Unknown roles throw
// std::out_of_range, so a misspelt key fails.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "form_access.h"
#include "form_fields.h"

namespace platewise {

class HeadlessForm : public FormAccess {
 public:
  HeadlessForm();

  std::string text(std::string_view role) const override;
  void set_text(std::string_view role, const std::string& text) override;
  int check_value(std::string_view role) const override;
  int list_index(std::string_view role) const override;
  void set_visible(std::string_view role, bool visible) override;

  // What the engineer does. None of these runs a handler.
  void type(std::string_view role, const std::string& text);  // a list picks the item named
  void pick(std::string_view role, int index);                // a list item by position
  void tick(std::string_view role, bool ticked);
  bool visible(std::string_view role) const;

  // Back to the state of a freshly opened window.
  void reset();

 private:
  struct Control {
    const InputField* input;  // nullptr for results, buttons and labels
    std::string text;
    int list_index = -1;
    int check_value = 0;
    bool visible = true;
  };
  Control& at(std::string_view role);
  const Control& at(std::string_view role) const;

  std::vector<Control> controls_;
  // A role's control; two roles of one control (the selected width) share it.
  std::unordered_map<std::string_view, std::size_t> by_role_;
  std::vector<std::string_view> hidden_at_start_;
};

}  // namespace platewise
