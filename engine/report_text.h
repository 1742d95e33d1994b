#pragma once
// The texts of a report carry two marks that every writer renders: "_{…}"
// sets what it holds as a subscript, "^{…}" as a superscript ("A_{s,b}",
// "mm^{2}", "10^{6}"); marks do not nest. Every other character stands for
// itself: "−" (U+2212) is the minus sign and U+00A0 the non-breaking space
// between a value and its unit.

#include <string>
#include <string_view>
#include <vector>

namespace platewise {

enum class Script { Normal, Sub, Super };

struct TextRun {
  std::string text;
  Script script = Script::Normal;

  bool operator==(const TextRun&) const = default;
};

// The runs of a marked text, in order; an unclosed mark runs to the end.
std::vector<TextRun> text_runs(std::string_view marked);
// The text without its marks: "A_{s,b}" gives "As,b".
std::string unmarked(std::string_view marked);
// A field's label as the report sets it: its units as the formulas write
// them, "加固所需梁底筋(cm2)" as "加固所需梁底筋(cm^{2})", "(kN.m)" as "(kN·m)".
std::string report_label(std::string_view label);

}  // namespace platewise
