// The fixed design of the window Form_sb, control by control. Places and
// sizes are twips; a frame's children are placed from its top-left corner.

#include "form_design.h"

#include <algorithm>
#include <vector>

#include "form_fields.h"

namespace platewise::window_design {

namespace {

using enum Kind;

// Start text, list items and accessible name of the input and result
// fields, and whether an option box hides the control at start.
void take_from_field_table(Control& c) {
  for (const ControlRole& r : control_roles()) {
    if (r.control == c.name && hidden_at_start(r.role)) c.hidden_at_start = true;
  }
  if (const InputField* input = input_by_control(c.name)) {
    if (input->kind != FieldKind::Check) c.text = input->start_text;
    c.items = input->items;
    if (input->kind != FieldKind::Check) c.accessible_name = input->label;
  } else if (const ResultField* result = result_by_control(c.name)) {
    c.accessible_name = result->label;
  }
}

std::vector<Control> rows() {
  // clang-format off
  std::vector<Control> controls = {
    // Directly on the window
    {.name = "Label1(0)", .kind = Label, .parent = "", .text = "Bondline", .left = 3360, .top = 156, .width = 2076, .height = 312, .tab = 0, .font = Font::Heading},
    {.name = "Label28", .kind = Label, .parent = "", .text = "编制依据:混凝土结构加固技术规范(CECS 25:90)", .left = 2472, .top = 624, .width = 4080, .height = 252, .tab = 1},
    {.name = "Frame1", .kind = Frame, .parent = "", .text = "梁原始条件(加固前)", .left = 120, .top = 960, .width = 8268, .height = 1332, .tab = 2},
    {.name = "Frame4", .kind = Frame, .parent = "", .text = "梁加固条件(cm2)", .left = 120, .top = 2400, .width = 2232, .height = 1332, .tab = 22},
    {.name = "Frame5", .kind = Frame, .parent = "", .text = "梁底面贴钢板条件(mm)", .left = 2448, .top = 2400, .width = 2076, .height = 1332, .tab = 29},
    {.name = "Frame7", .kind = Frame, .parent = "", .text = "梁侧U型钢板条件", .left = 4692, .top = 2400, .width = 3708, .height = 624, .tab = 71},
    {.name = "Frame6", .kind = Frame, .parent = "", .text = "梁调幅条件", .left = 4692, .top = 3120, .width = 3708, .height = 588, .tab = 64},
    {.name = "Frame3", .kind = Frame, .parent = "", .text = "计算书", .left = 4692, .top = 3792, .width = 3732, .height = 3192, .tab = 8},
    {.name = "Frame2", .kind = Frame, .parent = "", .text = "输出结果", .left = 132, .top = 3816, .width = 4416, .height = 3180, .tab = 3},
    // Shows nothing and nothing uses it; hidden, so that it never covers the report panel.
    {.name = "CommonDialog1", .kind = PictureBox, .parent = "", .text = "", .left = 6480, .top = 5352, .width = 1200, .height = 480, .tab = 84, .hidden_at_start = true},
    {.name = "Label27", .kind = Label, .parent = "", .text = "Copyright © 2026 Platewise 开发组", .left = 4836, .top = 7056, .width = 3696, .height = 216, .tab = 7},

    // The etched rule under the heading: a light line over a dark one
    {.name = "Line5", .kind = Line, .parent = "", .text = "", .left = 2940, .top = 492, .width = 2880, .height = 0, .tab = -1, .line_colour = LineColour::HighlightedText},
    {.name = "Line6", .kind = Line, .parent = "", .text = "", .left = 2940, .top = 528, .width = 2880, .height = 0, .tab = -1, .line_colour = LineColour::DarkShadow},

    // Frame1: the existing beam
    {.name = "Label1(1)", .kind = Label, .parent = "Frame1", .text = "梁宽(mm)", .left = 240, .top = 240, .width = 852, .height = 252, .tab = 12},
    {.name = "txt_lk(0)", .kind = TextBox, .parent = "Frame1", .left = 1200, .top = 240, .width = 612, .height = 264, .tab = 14},
    {.name = "cmb_sl", .kind = ComboBox, .parent = "Frame1", .left = 3492, .top = 240, .width = 735, .height = 276, .tab = 51},
    {.name = "txt_dd", .kind = TextBox, .parent = "Frame1", .left = 4812, .top = 240, .width = 495, .height = 270, .tab = 50},
    {.name = "txt_nd", .kind = TextBox, .parent = "Frame1", .left = 6012, .top = 240, .width = 495, .height = 270, .tab = 49},
    {.name = "cmb_gjpl", .kind = ComboBox, .parent = "Frame1", .left = 7356, .top = 240, .width = 735, .height = 276, .tab = 48},
    {.name = "Label1(3)", .kind = Label, .parent = "Frame1", .text = "梁底钢筋：", .left = 2040, .top = 264, .width = 972, .height = 252, .tab = 16},
    {.name = "Label14", .kind = Label, .parent = "Frame1", .text = "级别", .left = 3000, .top = 288, .width = 492, .height = 252, .tab = 55},
    {.name = "Label15", .kind = Label, .parent = "Frame1", .text = "直径", .left = 4320, .top = 288, .width = 372, .height = 252, .tab = 54},
    {.name = "Label17", .kind = Label, .parent = "Frame1", .text = "条数", .left = 5520, .top = 288, .width = 372, .height = 252, .tab = 53},
    {.name = "Label2", .kind = Label, .parent = "Frame1", .text = "钢筋排列", .left = 6612, .top = 288, .width = 732, .height = 252, .tab = 52},
    {.name = "Label1(2)", .kind = Label, .parent = "Frame1", .text = "梁高(mm)", .left = 240, .top = 600, .width = 852, .height = 252, .tab = 13},
    {.name = "Txt_lg(1)", .kind = TextBox, .parent = "Frame1", .left = 1200, .top = 600, .width = 612, .height = 264, .tab = 15},
    {.name = "cmb_sm", .kind = ComboBox, .parent = "Frame1", .left = 3480, .top = 600, .width = 735, .height = 276, .tab = 58},
    {.name = "Txt_dm", .kind = TextBox, .parent = "Frame1", .left = 4812, .top = 600, .width = 495, .height = 270, .tab = 57},
    {.name = "txt_nm", .kind = TextBox, .parent = "Frame1", .left = 6012, .top = 600, .width = 495, .height = 270, .tab = 56},
    {.name = "cmb_bhc", .kind = ComboBox, .parent = "Frame1", .left = 7368, .top = 600, .width = 708, .height = 276, .tab = 62},
    {.name = "Label1(4)", .kind = Label, .parent = "Frame1", .text = "梁面钢筋:", .left = 2040, .top = 636, .width = 852, .height = 252, .tab = 17},
    {.name = "Label19", .kind = Label, .parent = "Frame1", .text = "级别", .left = 3000, .top = 648, .width = 492, .height = 252, .tab = 61},
    {.name = "Label18", .kind = Label, .parent = "Frame1", .text = "直径", .left = 4320, .top = 648, .width = 372, .height = 252, .tab = 60},
    {.name = "Label16", .kind = Label, .parent = "Frame1", .text = "条数", .left = 5520, .top = 648, .width = 372, .height = 252, .tab = 59},
    {.name = "Label20", .kind = Label, .parent = "Frame1", .text = "砼保护层", .left = 6612, .top = 648, .width = 756, .height = 252, .tab = 63, .tooltip = "裂缝计算条件"},
    {.name = "Label1(9)", .kind = Label, .parent = "Frame1", .text = "砼强度等级", .left = 240, .top = 960, .width = 972, .height = 252, .tab = 42},
    {.name = "Cmb_Hnt", .kind = ComboBox, .parent = "Frame1", .left = 1200, .top = 960, .width = 735, .height = 276, .tab = 45},
    {.name = "Label1(5)", .kind = Label, .parent = "Frame1", .text = "梁端箍筋:", .left = 2040, .top = 960, .width = 972, .height = 252, .tab = 18},
    {.name = "cmb_ngj", .kind = ComboBox, .parent = "Frame1", .left = 3468, .top = 960, .width = 744, .height = 276, .tab = 43},
    {.name = "Txt_gj(1)", .kind = TextBox, .parent = "Frame1", .left = 4812, .top = 972, .width = 492, .height = 264, .tab = 19},
    {.name = "Label25", .kind = Label, .parent = "Frame1", .text = "直径", .left = 4320, .top = 984, .width = 372, .height = 252, .tab = 79},
    {.name = "Label3", .kind = Label, .parent = "Frame1", .text = "@", .left = 5424, .top = 984, .width = 132, .height = 252, .tab = 20},
    {.name = "txt_gja", .kind = TextBox, .parent = "Frame1", .left = 5664, .top = 984, .width = 492, .height = 276, .tab = 21},
    {.name = "Label12", .kind = Label, .parent = "Frame1", .text = "肢数", .left = 3000, .top = 996, .width = 384, .height = 204, .tab = 44},

    // Frame4: required steel areas and the crack-check moment
    {.name = "txt_mj(0)", .kind = TextBox, .parent = "Frame4", .left = 720, .top = 240, .width = 492, .height = 264, .tab = 25},
    {.name = "Label1(8)", .kind = Label, .parent = "Frame4", .text = "梁面筋", .left = 120, .top = 264, .width = 612, .height = 252, .tab = 28},
    {.name = "Label1(10)", .kind = Label, .parent = "Frame4", .text = "梁跨中弯矩标准值(kN.m)", .left = 1404, .top = 276, .width = 732, .height = 612, .tab = 77, .tooltip = "加固后裂缝验算用"},
    {.name = "Txt_dj(1)", .kind = TextBox, .parent = "Frame4", .left = 720, .top = 600, .width = 492, .height = 264, .tab = 24},
    {.name = "Label1(7)", .kind = Label, .parent = "Frame4", .text = "梁底筋", .left = 132, .top = 636, .width = 600, .height = 252, .tab = 27},
    {.name = "Txt_gj(0)", .kind = TextBox, .parent = "Frame4", .left = 720, .top = 960, .width = 492, .height = 264, .tab = 23},
    {.name = "txt_m", .kind = TextBox, .parent = "Frame4", .left = 1428, .top = 960, .width = 612, .height = 276, .tab = 78, .tooltip = "加固后裂缝验算用"},
    {.name = "Label1(6)", .kind = Label, .parent = "Frame4", .text = "梁箍筋", .left = 132, .top = 984, .width = 600, .height = 252, .tab = 26},

    // Frame5: bonded bottom and top plates
    {.name = "cmb_gb", .kind = ComboBox, .parent = "Frame5", .left = 984, .top = 324, .width = 972, .height = 276, .tab = 31},
    {.name = "Label5", .kind = Label, .parent = "Frame5", .text = "选用钢材", .left = 168, .top = 372, .width = 768, .height = 252, .tab = 30},
    {.name = "Label6", .kind = Label, .parent = "Frame5", .text = "选用钢板厚度（2-6mm）", .left = 180, .top = 840, .width = 1164, .height = 372, .tab = 32},
    {.name = "txt_hgb", .kind = TextBox, .parent = "Frame5", .left = 1392, .top = 876, .width = 528, .height = 276, .tab = 33},

    // Frame7: side U plates
    {.name = "txt_gba", .kind = TextBox, .parent = "Frame7", .left = 3108, .top = 240, .width = 468, .height = 288, .tab = 72},
    {.name = "txt_du", .kind = TextBox, .parent = "Frame7", .left = 1800, .top = 252, .width = 360, .height = 276, .tab = 74},
    {.name = "Label23", .kind = Label, .parent = "Frame7", .text = "箍板间距", .left = 2292, .top = 300, .width = 732, .height = 252, .tab = 73},
    {.name = "Label24", .kind = Label, .parent = "Frame7", .text = "钢板厚度（2-6mm）", .left = 168, .top = 312, .width = 1584, .height = 216, .tab = 75},

    // Frame6: redistribution of the top requirement
    {.name = "Text8", .kind = TextBox, .parent = "Frame6", .left = 2424, .top = 240, .width = 780, .height = 252, .tab = 67},
    {.name = "Label22", .kind = Label, .parent = "Frame6", .text = "%", .left = 3300, .top = 240, .width = 180, .height = 228, .tab = 68, .font = Font::Window},
    {.name = "Check1", .kind = CheckBox, .parent = "Frame6", .text = "梁面筋调幅", .left = 156, .top = 288, .width = 1248, .height = 216, .tab = 65},
    {.name = "Label21", .kind = Label, .parent = "Frame6", .text = "调幅幅度：", .left = 1572, .top = 288, .width = 768, .height = 180, .tab = 66},

    // Frame2: results and the two commands
    {.name = "Text3", .kind = TextBox, .parent = "Frame2", .left = 912, .top = 348, .width = 2076, .height = 270, .tab = 6},
    {.name = "Text9", .kind = TextBox, .parent = "Frame2", .left = 3492, .top = 360, .width = 744, .height = 264, .tab = 70},
    {.name = "Label9", .kind = Label, .parent = "Frame2", .text = "梁底钢板", .left = 132, .top = 384, .width = 780, .height = 276, .tab = 5},
    {.name = "Label4", .kind = Label, .parent = "Frame2", .text = "实选宽度", .left = 3072, .top = 516, .width = 432, .height = 360, .tab = 69},
    {.name = "Text1", .kind = TextBox, .parent = "Frame2", .left = 900, .top = 720, .width = 2100, .height = 270, .tab = 34},
    {.name = "Text11", .kind = TextBox, .parent = "Frame2", .left = 3492, .top = 720, .width = 744, .height = 264, .tab = 76},
    {.name = "Label7", .kind = Label, .parent = "Frame2", .text = "梁面钢板", .left = 120, .top = 768, .width = 768, .height = 276, .tab = 35},
    {.name = "Text6", .kind = TextBox, .parent = "Frame2", .left = 1164, .top = 1080, .width = 3072, .height = 270, .tab = 40},
    {.name = "Label11", .kind = Label, .parent = "Frame2", .text = "梁侧U型钢板", .left = 120, .top = 1128, .width = 1176, .height = 276, .tab = 41},
    {.name = "Text7", .kind = TextBox, .parent = "Frame2", .left = 1920, .top = 1440, .width = 2316, .height = 276, .tab = 47, .font = Font::Window},
    {.name = "Label13", .kind = Label, .parent = "Frame2", .text = "加固后裂缝验算(mm)", .left = 132, .top = 1464, .width = 1740, .height = 252, .tab = 46},
    {.name = "Command1", .kind = CommandButton, .parent = "Frame2", .text = "计算", .left = 2760, .top = 1776, .width = 1452, .height = 324, .tab = 4},
    {.name = "Text2", .kind = TextBox, .parent = "Frame2", .left = 1680, .top = 1800, .width = 960, .height = 270, .tab = 36},
    {.name = "Label8", .kind = Label, .parent = "Frame2", .text = "计算锚固长度(mm)", .left = 120, .top = 1848, .width = 1656, .height = 276, .tab = 37},
    {.name = "Check2", .kind = CheckBox, .parent = "Frame2", .text = "实际锚固长度小于计算值", .left = 156, .top = 2244, .width = 2292, .height = 216, .tab = 80},
    {.name = "Command2", .kind = CommandButton, .parent = "Frame2", .text = "计算U型箍板", .left = 2760, .top = 2472, .width = 1428, .height = 324, .tab = 83},
    {.name = "Text4", .kind = TextBox, .parent = "Frame2", .left = 1632, .top = 2496, .width = 996, .height = 240, .tab = 38},
    {.name = "Label10", .kind = Label, .parent = "Frame2", .text = "实际锚固长度(mm)", .left = 156, .top = 2508, .width = 1512, .height = 276, .tab = 39},
    {.name = "Label26", .kind = Label, .parent = "Frame2", .text = "钢板端部锚固区贴U型箍板", .left = 132, .top = 2760, .width = 1092, .height = 372, .tab = 81},
    {.name = "Text5", .kind = TextBox, .parent = "Frame2", .left = 1272, .top = 2832, .width = 3000, .height = 264, .tab = 82},

    // Frame3: the calculation report and its two commands
    {.name = "RichTextBox1", .kind = ReportView, .parent = "Frame3", .text = "", .left = 120, .top = 300, .width = 3492, .height = 2304, .tab = 11, .accessible_name = "计算书"},
    {.name = "Command4", .kind = CommandButton, .parent = "Frame3", .text = "保存计算书", .left = 1416, .top = 2676, .width = 1095, .height = 375, .tab = 9},
    {.name = "Command5", .kind = CommandButton, .parent = "Frame3", .text = "打印计算书", .left = 2520, .top = 2676, .width = 1095, .height = 375, .tab = 10},
  };
  // clang-format on
  for (Control& c : controls) take_from_field_table(c);
  return controls;
}

const std::vector<Control>& table() {
  static const std::vector<Control> kControls = rows();
  return kControls;
}

}  // namespace

const Window& window() {
  static const Window kWindow{
      .name = "Form_sb", .caption = "Platewise1.0", .client_width = 8550, .client_height = 7290};
  return kWindow;
}

std::span<const Control> controls() { return table(); }

const Control* find(std::string_view name) {
  const auto it = std::ranges::find(table(), name, &Control::name);
  return it == table().end() ? nullptr : &*it;
}

}  // namespace platewise::window_design
