// The report's table of symbols (符号说明): each symbol the steps use, what
// it stands for and its unit. The steps write the same symbols.

#include "report_lines.h"

namespace platewise::report {
namespace {

struct Symbol {
  const char* symbol;
  const char* meaning;
};

// clang-format off
constexpr Symbol kSymbols[] = {
    {"b, h",                      "梁宽、梁高（mm）"},
    {"a",                         "受拉边至受拉钢筋重心的距离（mm）"},
    {"h_{0}",                     "有效高度（mm）"},
    {"t",                         "粘贴钢板（梁底、梁面）厚度（mm）"},
    {"d_{b}, n_{b}, d_{t}, n_{t}", "梁底、梁面现有钢筋的直径（mm）和根数"},
    {"A_{s,b}, A_{s,t}",          "梁底、梁面现有钢筋面积（mm²）"},
    {"A_{s,b,req}, A_{s,t,req}",  "梁底、梁面所需钢筋面积（mm²），调幅后加 ^{*}"},
    {"β, ΔA_{m}",                 "梁面筋调幅后梁面保留的百分比、移至梁底的面积（mm²）"},
    {"ΔA_{s,b}, ΔA_{s,t}",        "梁底、梁面钢筋缺额（mm²）"},
    {"f_{y,b}, f_{y,t}",          "梁底、梁面钢筋强度设计值（N/mm²）"},
    {"f_{a}",                     "钢板强度设计值（N/mm²）"},
    {"f_{c}, f_{tk}",             "混凝土轴心抗压强度设计值、抗拉强度标准值（N/mm²）"},
    {"f_{cv}",                    "锚固区混凝土抗剪强度（N/mm²）"},
    {"b_{a,b}, b_{a,t}",          "梁底、梁面钢板计算宽度（mm）"},
    {"b_{sel,b}, b_{sel,t}",      "梁底、梁面钢板实选宽度（mm）"},
    {"l_{a}, l_{a,act}",          "计算锚固长度、实际锚固长度（mm）"},
    {"d_{v}, n_{v}, s_{v}",       "现有箍筋的直径（mm）、肢数、间距（mm）"},
    {"f_{yv}",                    "箍筋强度设计值（N/mm²）"},
    {"A_{sv}, A_{sv,req}, ΔA_{sv}", "每米梁长的现有、所需箍筋面积和箍筋缺额（mm²/m）"},
    {"s_{u}, L_{u}, t_{u}, b_{u}", "梁侧U型钢板（箍板）的间距、高度、厚度、宽度（mm）"},
    {"A_{a}",                     "裂缝验算计入的梁底钢板面积（mm²）"},
    {"M_{k}",                     "跨中弯矩标准值（kN·m）"},
    {"σ_{s}, ρ_{te}, ψ",          "钢筋应力（N/mm²）、有效配筋率、应变不均匀系数"},
    {"D",                         "等效单根钢筋直径的十分之一（mm）"},
    {"E_{s}, ν",                  "梁底钢筋弹性模量（N/mm²）、粘结特性系数"},
    {"w_{max}, w, [w]",           "最大裂缝宽度、取至 0.001 mm 的裂缝宽度、裂缝宽度限值（mm）"},
    {"N_{h}, n_{h}",              "U型箍板承担的拉力（N）、箍板数"},
};
// clang-format on

}  // namespace

void add_symbols(Writer& writer) {
  ReportSection& section = writer.add_section(kSymbolsTitle, SectionKind::Symbols);
  for (const Symbol& s : kSymbols) section.rows.push_back({s.symbol, s.meaning, ""});
}

}  // namespace platewise::report
