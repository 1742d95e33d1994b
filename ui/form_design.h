#pragma once
// The fixed design of the main window (Form_sb): every control with its kind,
// parent frame, text, place and size (twips), tab place, font, tooltip,
// list items and visibility at start. The Qt window is built from this
// table alone. Input and result fields take their start text, list items
// and accessible name from the engine's field table (form_fields.h).
// No Qt here.

#include <span>
#include <string_view>

namespace platewise::window_design {

enum class Kind {
  Frame,
  Label,
  TextBox,
  ComboBox,
  CheckBox,
  CommandButton,
  Line,
  PictureBox,
  ReportView,  // a read-only, scrollable view of the calculation report
};

enum class Font {
  Normal,   // "宋体" 9 pt
  Heading,  // "宋体" 12 pt bold
  Window,   // the window font, "宋体" 10.5 pt
};

// Colour of a Line, as a system colour of the window's palette.
enum class LineColour { None, HighlightedText, DarkShadow };

struct Control {
  std::string_view name;  // as the code names it: "txt_lk(0)", "Label1(10)"
  Kind kind;
  std::string_view parent;       // the frame it stands in; empty for the window itself
  std::string_view text = {};    // caption or default text
  int left, top, width, height;  // twips, from the parent's top-left corner
  int tab;                       // place in the tab order; -1 for lines
  Font font = Font::Normal;
  std::string_view tooltip = {};
  std::span<const std::string_view> items = {};  // drop-down list items
  bool hidden_at_start = false;
  LineColour line_colour = LineColour::None;  // lines: y is `top`, from `left` over `width`
  // What a screen reader calls an input or result field: its label, made
  // unique where two fields share one ("实选宽度") or the label is generic ("直径").
  std::string_view accessible_name = {};
};

struct Window {
  std::string_view name;            // "Form_sb"
  std::string_view caption;         // "Platewise1.0"
  int client_width, client_height;  // twips
};

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kLineWidthPixels = 2;

const Window& window();
// Every control of the window, frames before their children.
std::span<const Control> controls();
// The control of that name, or nullptr.
const Control* find(std::string_view name);

}  // namespace platewise::window_design
