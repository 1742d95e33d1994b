#pragma once
// Run-time errors of the engine: a fault kind raised by one operation, and
// the computation (handler step) it stopped. Each kind and each step has a
// key, as files and programs see it, and a Chinese name, in one table each.

#include <stdexcept>
#include <string>
#include <string_view>

namespace platewise {

enum class FaultKind {
  DivisionByZero,         // x / 0 with x != 0
  Overflow,               // 0 / 0, or a result or a read number too large for a double
  InvalidArgument,        // square root of a negative number
  UndeterminedHoopWidth,  // hoops are needed, but no side U plate was ever sized
};

// The computations a handler runs; an error names the innermost one it stopped in.
enum class Step {
  InputData,       // reading the section and bar fields
  StirrupAreas,    // existing and required stirrup area per metre
  Redistribution,  // moving part of the top requirement to the bottom
  BottomPlate,
  TopPlate,
  Anchorage,
  SideUPlates,
  BottomPlateArea,  // the plate area the crack check counts
  PlateWidthEdit,   // the engineer's edit of the selected bottom-plate width
  CrackCheck,
  HoopPlates,
};

struct FaultName {
  FaultKind kind;
  std::string_view key;   // "division_by_zero"
  std::string_view name;  // "除数为零"
};
struct StepName {
  Step step;
  std::string_view key;   // "crack_check"
  std::string_view name;  // "裂缝验算"
};
const FaultName& fault_of(FaultKind kind);
const StepName& step_of(Step step);

// Raised by a checked operation; it does not yet know where it happened.
struct ArithmeticFault : std::runtime_error {
  explicit ArithmeticFault(FaultKind k);
  FaultKind kind;
};

// A fault together with the computation it stopped, and for a fault that is
// no arithmetic one, why it happened.
struct CalcError : std::runtime_error {
  CalcError(FaultKind k, Step s, std::string why = {});
  FaultKind kind;
  Step step;
  std::string why;
};

std::string fault_name(FaultKind kind);  // "除数为零", "溢出", "无效的参数"
std::string step_name(Step step);        // e.g. "裂缝验算"
// The whole message for the engineer: "裂缝验算中断：除数为零", or for a
// fault with a reason "箍板宽度未定：梁箍筋无需加固，…".
std::string describe(const CalcError& error);

// Runs `body`; a fault raised in it becomes a CalcError naming `step`.
// An error that already names a step (from a nested computation) passes through.
template <class Body>
void run_step(Step step, Body&& body) {
  try {
    body();
  } catch (const ArithmeticFault& fault) {
    throw CalcError(fault.kind, step);
  }
}

}  // namespace platewise
