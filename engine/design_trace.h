#pragma once
// DesignTrace: what the handlers did since the last Calculate started — that
// run, and the last of each handler run after it — from which the checks of
// the design and the calculation report are worked out.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "handler_runs.h"

namespace platewise {

// The texts the handlers wrote into the result fields since the last
// Calculate started: for each field the last one, by result key (the
// selected width, written as "selected_width", is "bottom_width").
class WrittenTexts {
 public:
  void note(std::string_view key, const std::string& text);
  // nullptr where no handler wrote since the last Calculate started.
  const std::string* find(std::string_view key) const;
  void clear();  // keeps the room of the texts, so that a run seldom allocates

 private:
  std::vector<std::string> texts_;  // in the order of result_fields()
  std::vector<char> written_;
};

// The parts of a design whose traces the checks and the report read.
enum class RunPart {
  Calculate,        // the Calculate command
  FirstCrackCheck,  // the crack check Calculate runs on writing the selected width
  WidthEdit,        // the engineer's edit of the selected width after Calculate
  Hoops,            // the U hoop-plate command
};

struct DesignTrace {
  bool calculated = false;  // a Calculate run has started
  CalculateRun calculate;
  // The last of each handler run after the last Calculate, if any.
  std::optional<WidthEditRun> width_edit;
  std::optional<HoopRun> hoops;
  unsigned events = 0;  // handlers run after the last Calculate
  WrittenTexts written;

  // Forgets the handlers after Calculate, for a new Calculate run.
  void restart();
  // Notes the texts `run` wrote.
  void note_writes(const HandlerRun& run);
  // The trace of a part; nullptr where that part has not run.
  const Trace* trace(RunPart part) const;
};

// The part whose selected width counts now: the last edit's, or else the
// width Calculate wrote; nullopt when neither reached reading it.
std::optional<RunPart> width_in_use(const DesignTrace& design);
// The crack check whose width the crack-width field shows: the last one that
// finished; nullopt when none did.
std::optional<RunPart> shown_crack_check(const DesignTrace& design);

}  // namespace platewise
