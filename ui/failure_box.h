#pragma once
// How the window reports a handler that stopped on an error.

#include <QString>
#include <optional>
#include <string>

#include "calc_error.h"

class QWidget;

namespace platewise {

// Shown when a handler fails for a reason the engine does not describe.
inline constexpr const char* kUnexpectedFailure = "计算中断：程序发生意外错误";

// Runs `handler`; gives nothing when it completes, else the message for the engineer.
template <class Handler>
std::optional<std::string> failure_of(Handler&& handler) {
  try {
    handler();
    return std::nullopt;
  } catch (const CalcError& error) {
    return describe(error);
  } catch (const std::exception&) {
    return kUnexpectedFailure;
  }
}

// Opens a message box over `window`, captioned with the window's caption.
// It blocks input to the window until closed, but returns at once.
void show_failure_box(QWidget& window, const QString& message);

}  // namespace platewise
