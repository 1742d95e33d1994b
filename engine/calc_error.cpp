#include "calc_error.h"

#include <algorithm>

namespace platewise {
namespace {

// clang-format off
constexpr FaultName kFaults[] = {
    {FaultKind::DivisionByZero,        "division_by_zero",        "除数为零"},
    {FaultKind::Overflow,              "overflow",                "溢出"},
    {FaultKind::InvalidArgument,       "invalid_argument",        "无效的参数"},
    {FaultKind::UndeterminedHoopWidth, "undetermined_hoop_width", "箍板宽度未定"},
};

constexpr StepName kSteps[] = {
    {Step::InputData,       "input_data",        "读取梁的数据"},
    {Step::StirrupAreas,    "stirrup_areas",     "箍筋面积"},
    {Step::Redistribution,  "redistribution",    "梁面筋调幅"},
    {Step::BottomPlate,     "bottom_plate",      "梁底钢板"},
    {Step::TopPlate,        "top_plate",         "梁面钢板"},
    {Step::Anchorage,       "anchorage",         "计算锚固长度"},
    {Step::SideUPlates,     "side_u_plates",     "梁侧U型钢板"},
    {Step::BottomPlateArea, "bottom_plate_area", "梁底钢板面积"},
    {Step::PlateWidthEdit,  "plate_width_edit",  "实选宽度"},
    {Step::CrackCheck,      "crack_check",       "裂缝验算"},
    {Step::HoopPlates,      "hoop_plates",       "U型箍板"},
};
// clang-format on

template <class Row, std::size_t N, class Key>
const Row& row_of(const Row (&rows)[N], Key Row::*member, Key key) {
  return *std::ranges::find(rows, key, member);  // every key has its row
}

}  // namespace

const FaultName& fault_of(FaultKind kind) { return row_of(kFaults, &FaultName::kind, kind); }
const StepName& step_of(Step step) { return row_of(kSteps, &StepName::step, step); }

ArithmeticFault::ArithmeticFault(FaultKind k) : std::runtime_error(fault_name(k)), kind(k) {}

CalcError::CalcError(FaultKind k, Step s, std::string reason)
    : std::runtime_error(step_name(s)), kind(k), step(s), why(std::move(reason)) {}

std::string fault_name(FaultKind kind) { return std::string(fault_of(kind).name); }
std::string step_name(Step step) { return std::string(step_of(step).name); }

std::string describe(const CalcError& error) {
  if (!error.why.empty()) return fault_name(error.kind) + "：" + error.why;
  return step_name(error.step) + "中断：" + fault_name(error.kind);
}

}  // namespace platewise
