#pragma once
// Run-time errors of the engine: a fault kind raised by one arithmetic
// operation, and the computation (handler step) it stopped.

#include <stdexcept>
#include <string>

namespace platewise {

enum class FaultKind {
  DivisionByZero,   // x / 0 with x != 0
  Overflow,         // 0 / 0, or a result or a read number too large for a double
  InvalidArgument,  // square root of a negative number
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

// Raised by a checked operation; it does not yet know where it happened.
struct ArithmeticFault : std::runtime_error {
  explicit ArithmeticFault(FaultKind k);
  FaultKind kind;
};

// An arithmetic fault together with the computation it stopped.
struct CalcError : std::runtime_error {
  CalcError(FaultKind k, Step s);
  FaultKind kind;
  Step step;
};

// Chinese names shown to the engineer.
std::string fault_name(FaultKind kind);  // "除数为零", "溢出", "无效的参数"
std::string step_name(Step step);        // e.g. "裂缝验算"
// The whole message for the engineer, e.g. "裂缝验算中断：除数为零".
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
