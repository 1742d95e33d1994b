#include "calc_error.h"

namespace platewise {

ArithmeticFault::ArithmeticFault(FaultKind k) : std::runtime_error(fault_name(k)), kind(k) {}

CalcError::CalcError(FaultKind k, Step s) : std::runtime_error(step_name(s)), kind(k), step(s) {}

std::string fault_name(FaultKind kind) {
  switch (kind) {
    case FaultKind::DivisionByZero:
      return "除数为零";
    case FaultKind::Overflow:
      return "溢出";
    case FaultKind::InvalidArgument:
      return "无效的参数";
  }
  return "未知错误";
}

std::string step_name(Step step) {
  switch (step) {
    case Step::InputData:
      return "读取梁的数据";
    case Step::StirrupAreas:
      return "箍筋面积";
    case Step::Redistribution:
      return "梁面筋调幅";
    case Step::BottomPlate:
      return "梁底钢板";
    case Step::TopPlate:
      return "梁面钢板";
    case Step::Anchorage:
      return "计算锚固长度";
    case Step::SideUPlates:
      return "梁侧U型钢板";
    case Step::BottomPlateArea:
      return "梁底钢板面积";
    case Step::PlateWidthEdit:
      return "实选宽度";
    case Step::CrackCheck:
      return "裂缝验算";
    case Step::HoopPlates:
      return "U型箍板";
  }
  return "计算";
}

std::string describe(const CalcError& error) {
  return step_name(error.step) + "中断：" + fault_name(error.kind);
}

}  // namespace platewise
