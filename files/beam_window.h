#pragma once
// What computing a beam needs of a window: fields to type into and tick, the
// handlers of its events, and the texts it shows. The window and the headless
// window both offer it, so a beam computes the same in either.

#include <string>
#include <string_view>

#include "form_handlers.h"

namespace platewise {

class BeamWindow {
 public:
  using Handler = void (FormHandlers::*)();

  virtual ~BeamWindow() = default;
  // Back to a freshly opened window: start texts, no list item picked, boxes
  // clear, option controls hidden, result fields empty, BeamState unset.
  virtual void reset() = 0;
  // Replaces a field's text as the engineer types it; a list picks the item
  // the text names. Runs no handler.
  virtual void type(std::string_view control, const std::string& text) = 0;
  // Ticks or clears a check box. Runs no handler.
  virtual void tick(std::string_view control, bool ticked) = 0;
  // Runs a handler as its event would. Throws CalcError when it stops.
  virtual void run_handler(Handler handler) = 0;
  virtual std::string text(std::string_view control) const = 0;
  // What the handlers did, for the report and the checks of the design.
  virtual const DesignTrace& trace() const = 0;
};

}  // namespace platewise
