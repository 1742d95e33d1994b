#pragma once
// The window's fields without a window: every input and result field of the
// field table with its start text, no list item picked, check boxes clear and
// the controls of the two options hidden, as in a freshly opened window. The
// command line and the tests drive the engine's handlers through it.
// Unknown control names throw std::out_of_range, so a misspelt name fails.

#include <string>
#include <string_view>
#include <unordered_map>

#include "form_access.h"

namespace platewise {

class HeadlessForm : public FormAccess {
 public:
  HeadlessForm();

  std::string text(std::string_view control) const override;
  void set_text(std::string_view control, const std::string& text) override;
  int check_value(std::string_view control) const override;
  int list_index(std::string_view control) const override;
  void set_visible(std::string_view control, bool visible) override;

  // What the engineer does. None of these runs a handler.
  void type(std::string_view control, const std::string& text);  // a list picks the item named
  void pick(std::string_view control, int index);                // a list item by position
  void tick(std::string_view control, bool ticked);
  bool visible(std::string_view control) const;

  // Back to the state of a freshly opened window.
  void reset();

 private:
  struct Control {
    std::string_view start_text;
    std::string text;
    int list_index = -1;
    int check_value = 0;
    bool visible = true;
  };
  Control& at(std::string_view name);
  const Control& at(std::string_view name) const;

  std::unordered_map<std::string_view, Control> controls_;  // by name
};

}  // namespace platewise
