#include "control_factory.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <vector>

#include "design_fonts.h"
#include "drop_down_list.h"
#include "form_fields.h"
#include "qt_text.h"
#include "report_view.h"
#include "twips.h"

namespace platewise {

namespace {

using window_design::Control;
using window_design::Kind;

QWidget* make_label(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// A single-line field without a length limit (Qt's default cuts at 32767).
QWidget* make_text_box(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setMaxLength(std::numeric_limits<int>::max());
  return field;
}

// Every drop-down of the design is an input of the field table.
QWidget* make_drop_down(const Control& c, QWidget* parent) {
  return new DropDownList(*input_by_control(c.name), parent);
}

QWidget* make_push_button(QWidget* parent) {
  auto* button = new QPushButton(parent);
  // Enter on a focused button presses it, as Space does.
  button->setAutoDefault(true);
  return button;
}

// An empty sunken panel: it takes the focus and shows nothing.
QWidget* make_panel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setFocusPolicy(Qt::StrongFocus);
  return panel;
}

// A horizontal line, kLineWidthPixels thick, in a colour of the palette.
QWidget* make_line(const Control& c, QWidget* parent) {
  auto* line = new QWidget(parent);
  line->setAutoFillBackground(true);
  line->setBackgroundRole(c.line_colour == window_design::LineColour::HighlightedText
                              ? QPalette::HighlightedText
                              : QPalette::Shadow);
  return line;
}

QWidget* make_widget(const Control& c, QWidget* parent) {
  switch (c.kind) {
    case Kind::Frame:
      return new QGroupBox(parent);
    case Kind::Label:
      return make_label(parent);
    case Kind::TextBox:
      return make_text_box(parent);
    case Kind::ComboBox:
      return make_drop_down(c, parent);
    case Kind::CheckBox:
      return new QCheckBox(parent);
    case Kind::CommandButton:
      return make_push_button(parent);
    case Kind::PictureBox:
      return make_panel(parent);
    case Kind::ReportView:
      return new ReportView(parent);
    case Kind::Line:
      return make_line(c, parent);
  }
  return nullptr;
}

// The caption or text of a control that shows one. Set once the control has
// its font, so that the text is laid out once, in that font.
void set_text(QWidget* widget, const Control& c) {
  const QString text = qt_text(c.text);
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    field->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text);
  }
}

// Pixel rectangle of a control in its parent; edges are rounded, not sizes,
// so that controls which touch in twips touch in pixels.
QRect pixel_rect(const Control& c) {
  const int left = to_pixels(c.left);
  const int top = to_pixels(c.top);
  const int height =
      c.kind == Kind::Line ? window_design::kLineWidthPixels : to_pixels(c.top + c.height) - top;
  return {left, top, to_pixels(c.left + c.width) - left, height};
}

bool takes_focus(Kind kind) {
  return kind != Kind::Frame && kind != Kind::Label && kind != Kind::Line;
}

void link_tab_order(const std::vector<const Control*>& focusable, const ControlMap& widgets) {
  std::vector<const Control*> in_order = focusable;
  std::ranges::sort(in_order, {}, &Control::tab);
  for (std::size_t i = 1; i < in_order.size(); ++i) {
    QWidget::setTabOrder(widgets.find(in_order[i - 1]->name)->second,
                         widgets.find(in_order[i]->name)->second);
  }
}

}  // namespace

ControlMap build_controls(QWidget& window) {
  ControlMap widgets;
  std::vector<const Control*> focusable;
  for (const Control& c : window_design::controls()) {
    QWidget* parent = c.parent.empty() ? &window : widgets.find(c.parent)->second;
    QWidget* widget = make_widget(c, parent);
    widget->setObjectName(qt_text(c.name));
    widget->setGeometry(pixel_rect(c));
    // Set where it differs from the font the control takes from its parent
    // (a frame's font passes to its children): each setFont costs start-up time.
    if (const QFont font = design_font(c.font); widget->font() != font) widget->setFont(font);
    set_text(widget, c);
    if (!c.tooltip.empty()) widget->setToolTip(qt_text(c.tooltip));
    if (!c.accessible_name.empty()) widget->setAccessibleName(qt_text(c.accessible_name));
    if (c.hidden_at_start) widget->hide();
    if (takes_focus(c.kind)) focusable.push_back(&c);
    widgets.emplace(c.name, widget);
  }
  link_tab_order(focusable, widgets);
  return widgets;
}

QWidget* control_for(const ControlMap& controls, std::string_view role) {
  const auto found = controls.find(control_of(role));
  return found == controls.end() ? nullptr : found->second;
}

}  // namespace platewise
