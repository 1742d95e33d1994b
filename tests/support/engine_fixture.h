#pragma once
// One window's worth of engine: a BeamState, an in-memory window at its start
// state and the handlers working on both, driven as the engineer drives them:
// texts entered and handlers run, or a row of acts done one at a time. A run
// that stops leaves its record for the report to show.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "default_results.h"
#include "form_handlers.h"
#include "headless_form.h"
#include "report_model.h"

namespace platewise::testing {

// Texts of controls by role key.
using Texts = std::map<std::string, std::string>;

// Report texts put U+00A0 between a value and its unit; tables of expected texts write "␣".
inline std::string spaced(std::string text) {
  for (std::size_t at = text.find("␣"); at != std::string::npos; at = text.find("␣", at)) {
    text.replace(at, std::string("␣").size(), "\u00a0");
  }
  return text;
}

// Type a text (a list picks the item named), tick a box, Calculate, edit the
// selected width, run the hoop command (after typing the actual length, if given).
struct Act {
  enum Kind { Type, Tick, Calculate, EditWidth, Hoops } kind;
  std::string role = {};
  std::string text = {};
};
inline const Act kCalculate{Act::Calculate};
inline Act type(const char* role, const char* text) { return {Act::Type, role, text}; }
inline Act tick(const char* role) { return {Act::Tick, role}; }
inline Act width(const char* text) { return {Act::EditWidth, "", text}; }
inline Act hoops(const char* actual = "") { return {Act::Hoops, "", actual}; }

struct Engine {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers{state, form};

  // Types each text; for a check box "1" ticks it and "0" clears it.
  void enter(const Texts& entries) {
    for (const auto& [name, text] : entries) {
      const InputField* input = input_by_key(name);
      const bool box = input != nullptr && input->kind == FieldKind::Check;
      box ? form.tick(name, text == "1") : form.type(name, text);
    }
  }
  // Runs a handler: "" when it completes, else the message the engineer sees.
  std::string run(void (FormHandlers::*handler)()) {
    try {
      (handlers.*handler)();
      return "";
    } catch (const CalcError& error) {
      return describe(error);
    }
  }
  std::string calculate() { return run(&FormHandlers::calculate); }
  // Enters `before`, calculates, enters `after` and runs `handler`, as run() does.
  std::string after_calculation(const Texts& before, const Texts& after,
                                void (FormHandlers::*handler)()) {
    enter(before);
    calculate();
    enter(after);
    return run(handler);
  }
  void act(const std::vector<Act>& acts) {
    for (const Act& a : acts) {
      switch (a.kind) {
        case Act::Type:
          form.type(a.role, a.text);
          break;
        case Act::Tick:
          form.tick(a.role, true);
          if (a.role == role::short_anchorage_on) handlers.short_anchorage_toggled();
          break;
        case Act::Calculate:
          calculate();
          break;
        case Act::EditWidth:
          form.type(role::selected_width, a.text);
          run(&FormHandlers::selected_width_edited);
          break;
        case Act::Hoops:
          if (!a.text.empty()) form.type(role::actual_anchorage, a.text);
          run(&FormHandlers::size_hoop_plates);
          break;
      }
    }
  }
  // What the result fields show now, joined as kDefaultResults.
  std::string results() const {
    std::string shown = form.text(kResultFields[0]);
    for (std::size_t i = 1; i < kResultFields.size(); ++i)
      shown += "|" + form.text(kResultFields[i]);
    return shown;
  }
  ReportModel report(const ReportInfo& info = {}) const {
    std::optional<ReportModel> model = report_model(handlers.trace(), form, info);
    EXPECT_TRUE(model.has_value());
    return model.value_or(ReportModel{});
  }
};

}  // namespace platewise::testing
