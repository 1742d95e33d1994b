#include "quantities.h"

#include <array>
#include <cmath>

#include "number_rules.h"
#include "report_numbers.h"

namespace platewise {
namespace {

using enum Shown;

// clang-format off
constexpr Quantity kQuantities[] = {
    {Q::b,              "b",                 "梁宽",                       "mm",     Exact},
    {Q::h,              "h",                 "梁高",                       "mm",     Exact},
    {Q::a,              "a",                 "受拉边至钢筋重心距离",       "mm",     Exact},
    {Q::h0,             "h_{0}",             "有效高度",                   "mm",     Approx},
    {Q::t,              "t",                 "钢板厚度",                   "mm",     Exact},
    {Q::db,             "d_{b}",             "梁底钢筋直径",               "mm",     Exact},
    {Q::nb,             "n_{b}",             "梁底钢筋根数",               "",       Exact},
    {Q::dt,             "d_{t}",             "梁面钢筋直径",               "mm",     Exact},
    {Q::nt,             "n_{t}",             "梁面钢筋根数",               "",       Exact},
    {Q::as_b,           "A_{s,b}",           "梁底现有钢筋面积",           "mm²",    Approx},
    {Q::as_t,           "A_{s,t}",           "梁面现有钢筋面积",           "mm²",    Approx},
    {Q::top_req_cm2,    "梁面筋",            "加固所需梁面筋",             "cm²",    Exact},
    {Q::bottom_req_cm2, "梁底筋",            "加固所需梁底筋",             "cm²",    Exact},
    {Q::as_t_req,       "A_{s,t,req}",       "梁面所需钢筋",               "mm²",    Approx},
    {Q::as_b_req,       "A_{s,b,req}",       "梁底所需钢筋",               "mm²",    Approx},
    {Q::beta,           "β",                 "调幅后梁面保留的百分比",     "%",      Exact},
    {Q::moved,          "ΔA_{m}",            "移至梁底的面积",             "mm²",    Approx},
    {Q::as_t_req_r,     "A_{s,t,req}^{*}",   "调幅后梁面所需钢筋",         "mm²",    Approx},
    {Q::as_b_req_r,     "A_{s,b,req}^{*}",   "调幅后梁底所需钢筋",         "mm²",    Approx},
    {Q::short_b,        "ΔA_{s,b}",          "梁底钢筋缺额",               "mm²",    Approx},
    {Q::short_t,        "ΔA_{s,t}",          "梁面钢筋缺额",               "mm²",    Approx},
    {Q::fy_b,           "f_{y,b}",           "梁底钢筋强度设计值",         "N/mm²",  Exact},
    {Q::fy_t,           "f_{y,t}",           "梁面钢筋强度设计值",         "N/mm²",  Exact},
    {Q::es,             "E_{s}",             "梁底钢筋弹性模量",           "N/mm²",  Exact},
    {Q::nu,             "ν",                 "梁底钢筋粘结特性系数",       "",       Exact},
    {Q::fa,             "f_{a}",             "钢板强度设计值",             "N/mm²",  Exact},
    {Q::fc,             "f_{c}",             "混凝土轴心抗压强度设计值",   "N/mm²",  Exact},
    {Q::fcv,            "f_{cv}",            "锚固区混凝土抗剪强度",       "N/mm²",  Exact},
    {Q::ftk,            "f_{tk}",            "混凝土抗拉强度标准值",       "N/mm²",  Exact},
    {Q::width_b,        "b_{a,b}",           "梁底钢板计算宽度",           "mm",     Width},
    {Q::width_t,        "b_{a,t}",           "梁面钢板计算宽度",           "mm",     Width},
    {Q::sel_b,          "b_{sel,b}",         "梁底钢板实选宽度",           "mm",     Exact},
    {Q::sel_t,          "b_{sel,t}",         "梁面钢板实选宽度",           "mm",     Exact},
    {Q::la,             "l_{a}",             "计算锚固长度",               "mm",     Exact},
    {Q::la_used,        "l_{a,use}",         "取用锚固长度",               "mm",     Exact},
    {Q::la_act,         "l_{a,act}",         "实际锚固长度",               "mm",     Exact},
    {Q::dv,             "d_{v}",             "箍筋直径",                   "mm",     Exact},
    {Q::nv,             "n_{v}",             "箍筋肢数",                   "",       Exact},
    {Q::sv,             "s_{v}",             "箍筋间距",                   "mm",     Exact},
    {Q::fyv,            "f_{yv}",            "箍筋强度设计值",             "N/mm²",  Exact},
    {Q::asv_cm2,        "梁箍筋",            "加固所需梁箍筋",             "cm²",    Exact},
    {Q::asv,            "A_{sv}",            "每米梁长的现有箍筋面积",     "mm²/m",  Approx},
    {Q::asv_req,        "A_{sv,req}",        "每米梁长的所需箍筋面积",     "mm²/m",  Approx},
    {Q::asv_short,      "ΔA_{sv}",           "每米梁长的箍筋缺额",         "mm²/m",  Approx},
    {Q::su,             "s_{u}",             "梁侧U型钢板间距",            "mm",     Exact},
    {Q::lu,             "L_{u}",             "梁侧U型钢板高度",            "mm",     Exact},
    {Q::lu_max,         "L_{u,max}",         "梁侧U型钢板高度限值",        "mm",     Approx},
    {Q::tu,             "t_{u}",             "梁侧U型钢板厚度",            "mm",     Exact},
    {Q::bu,             "b_{u}",             "梁侧U型钢板计算宽度",        "mm",     HalfUp},
    {Q::bu_sel,         "b_{u,sel}",         "梁侧U型钢板实选宽度",        "mm",     Exact},
    {Q::aa,             "A_{a}",             "裂缝验算计入的梁底钢板面积", "mm²",    Approx},
    {Q::mk,             "M_{k}",             "跨中弯矩标准值",             "kN·m",   Exact},
    {Q::ate,            "A_{te}",            "有效受拉混凝土面积",         "mm²",    Approx},
    {Q::sigma_s,        "σ_{s}",             "钢筋应力",                   "N/mm²",  Approx},
    {Q::rho_te,         "ρ_{te}",            "有效配筋率",                 "",       Approx},
    {Q::psi_raw,        "ψ",                 "应变不均匀系数",             "",       Bounded},
    {Q::psi,            "ψ",                 "应变不均匀系数",             "",       Bounded},
    {Q::d,              "D",                 "等效单根钢筋直径的十分之一", "mm",     Approx},
    {Q::c,              "c",                 "保护层厚度",                 "mm",     Approx},
    {Q::w_max,          "w_{max}",           "最大裂缝宽度",               "mm",     Thousand},
    {Q::w,              "w",                 "裂缝宽度",                   "mm",     Exact},
    {Q::w_limit,        "[w]",               "裂缝宽度限值",               "mm",     Exact},
    {Q::nh,             "N_{h}",             "U型箍板承担的拉力",          "N",      Approx},
    {Q::nh_raw,         "n_{h,0}",           "U型箍板数（计算值）",        "",       Floor},
    {Q::nh_count,       "n_{h}",             "U型箍板数",                  "个",     Exact},
    {Q::nh_capacity,    "N_{h,u}",           "U型箍板可承担的拉力",        "N",      Approx},
};
// clang-format on

constexpr bool in_order() {
  for (std::size_t i = 0; i < std::size(kQuantities); ++i) {
    if (static_cast<std::size_t>(kQuantities[i].id) != i) return false;
  }
  return std::size(kQuantities) == kQuantityCount;
}
static_assert(in_order(), "one row for each quantity, in the order of Q");

double rounded_down_as_shown(double v) { return std::floor(shown_number(v)); }
double half_up(double v) { return std::floor(v + 0.5); }
double thousandths(double v) { return std::floor(1000 * v); }
double whole(double v) { return std::floor(v); }
double bounds(double v) { return v < 0.4 ? 0 : (v > 1 ? 2 : 1); }

std::string spelled(Shown rule, double v) {
  switch (rule) {
    case Exact:
      return exact_text(v);
    case Approx:
      return approx_text(v);
    case Width:
      return approx_text_keeping(v, rounded_down_as_shown);
    case HalfUp:
      return approx_text_keeping(v, half_up);
    case Thousand:
      return approx_text_keeping(v, thousandths);
    case Floor:
      return approx_text_keeping(v, whole);
    case Bounded:
      return approx_text_keeping(v, bounds);
  }
  return approx_text(v);
}

}  // namespace

std::span<const Quantity> quantities() { return kQuantities; }

const Quantity& quantity(Q id) { return kQuantities[static_cast<std::size_t>(id)]; }

std::string value_text(Q id, double value, bool operand) {
  const std::string text = spelled(quantity(id).shown, value);
  return operand && value < 0 ? "(" + text + ")" : text;
}

}  // namespace platewise
