#include "report_text.h"

#include <utility>

namespace platewise {

std::vector<TextRun> text_runs(std::string_view marked) {
  std::vector<TextRun> runs;
  const auto add = [&runs](std::string_view text, Script script) {
    if (text.empty()) return;
    if (!runs.empty() && runs.back().script == script) {
      runs.back().text += text;
    } else {
      runs.push_back({std::string(text), script});
    }
  };
  std::size_t start = 0;  // of the normal text not yet added
  for (std::size_t i = 0; i + 1 < marked.size(); ++i) {
    if ((marked[i] != '_' && marked[i] != '^') || marked[i + 1] != '{') continue;
    add(marked.substr(start, i - start), Script::Normal);
    const std::size_t close = marked.find('}', i + 2);
    const std::size_t end = close == std::string_view::npos ? marked.size() : close;
    add(marked.substr(i + 2, end - i - 2), marked[i] == '_' ? Script::Sub : Script::Super);
    start = end == marked.size() ? end : end + 1;
    i = start - 1;
  }
  if (start < marked.size()) add(marked.substr(start), Script::Normal);
  return runs;
}

std::string unmarked(std::string_view marked) {
  std::string text;
  for (const TextRun& run : text_runs(marked)) text += run.text;
  return text;
}

std::string report_label(std::string_view label) {
  static constexpr std::pair<std::string_view, std::string_view> kUnits[] = {
      {"cm2)", "cm^{2})"}, {"mm2)", "mm^{2})"}, {"kN.m)", "kN·m)"}};
  std::string text(label);
  for (const auto& [typed, typeset] : kUnits) {
    for (std::size_t at = text.find(typed); at != std::string::npos;
         at = text.find(typed, at + typeset.size())) {
      text.replace(at, typed.size(), typeset);
    }
  }
  return text;
}

}  // namespace platewise
