#pragma once
// An in-memory window for driving the engine in tests and benchmarks: every
// control of the window's design with its text at start, no item picked,
// check boxes clear. Unknown control names throw, so a misspelt name fails.

#include <map>
#include <string>
#include <string_view>

#include "form_access.h"

namespace platewise::testing {

class MemoryForm : public FormAccess {
 public:
  MemoryForm();

  std::string text(std::string_view control) const override;
  void set_text(std::string_view control, const std::string& text) override;
  int check_value(std::string_view control) const override;
  int list_index(std::string_view control) const override;
  void set_visible(std::string_view control, bool visible) override;

  // What the engineer does. None of these runs a handler.
  void type(std::string_view control, const std::string& text);  // also un-picks a list
  void pick(std::string_view control, int index);                // a list item
  void tick(std::string_view control, bool ticked);
  bool visible(std::string_view control) const;

 private:
  struct State {
    std::string text;
    int list_index = -1;
    int check_value = 0;
    bool visible = true;
  };
  State& at(std::string_view control);
  const State& at(std::string_view control) const;

  std::map<std::string, State, std::less<>> controls_;
};

}  // namespace platewise::testing
