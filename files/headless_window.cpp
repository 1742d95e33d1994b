#include "headless_window.h"

namespace platewise {

void HeadlessWindow::reset() {
  form_.reset();
  state_ = BeamState{};
}

void HeadlessWindow::type(std::string_view control, const std::string& text) {
  form_.type(control, text);
}

void HeadlessWindow::tick(std::string_view control, bool ticked) { form_.tick(control, ticked); }

void HeadlessWindow::run_handler(Handler handler) { (handlers_.*handler)(); }

std::string HeadlessWindow::text(std::string_view control) const { return form_.text(control); }

}  // namespace platewise
