#pragma once
// A window's worth of engine driven by what the engineer does, one act at a
// time: type, pick, tick, Calculate, edit the selected width, run the hoop
// command. A run that stops leaves its record for the report to show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_handlers.h"
#include "headless_form.h"
#include "report_model.h"

namespace platewise::testing {

// Report texts put U+00A0 between a value and its unit; tables of expected texts write "␣".
inline std::string spaced(std::string text) {
  for (std::size_t at = text.find("␣"); at != std::string::npos; at = text.find("␣", at)) {
    text.replace(at, std::string("␣").size(), "\u00a0");
  }
  return text;
}

struct Act {
  enum Kind { Type, Pick, Tick, Calculate, EditWidth, Hoops } kind;
  std::string role = {};
  std::string text = {};
};
inline const Act kCalculate{Act::Calculate};

struct ActedWindow {
  BeamState state;
  HeadlessForm form;
  FormHandlers handlers{state, form};

  void act(const std::vector<Act>& acts) {
    for (const Act& a : acts) {
      try {
        switch (a.kind) {
          case Act::Type:
            form.type(a.role, a.text);
            break;
          case Act::Pick:
            form.pick(a.role, std::stoi(a.text));
            break;
          case Act::Tick:
            form.tick(a.role, true);
            if (a.role == role::short_anchorage_on) handlers.short_anchorage_toggled();
            break;
          case Act::Calculate:
            handlers.calculate();
            break;
          case Act::EditWidth:
            form.type(role::selected_width, a.text);
            handlers.selected_width_edited();
            break;
          case Act::Hoops:
            if (!a.text.empty()) form.type(role::actual_anchorage, a.text);
            handlers.size_hoop_plates();
            break;
        }
      } catch (const CalcError&) {
        // The record says where the run stopped.
      }
    }
  }
  ReportModel report(const ReportInfo& info = {}) const {
    std::optional<ReportModel> model = report_model(handlers.record(), form, info);
    EXPECT_TRUE(model.has_value());
    return model.value_or(ReportModel{});
  }
};

}  // namespace platewise::testing
