// The two option check boxes show and hide the controls of their option.

#include "form_handlers.h"

namespace platewise {
namespace {

void show_or_hide(FormAccess& form, std::string_view option) {
  const bool on = form.check_value(option) == 1;
  for (std::string_view shown : shown_by(option)) form.set_visible(shown, on);
}

}  // namespace

void FormHandlers::redistribution_toggled() { show_or_hide(form_, role::redistribution_on); }

void FormHandlers::short_anchorage_toggled() {
  show_or_hide(form_, role::short_anchorage_on);
  // The calculated length of the last Calculate run; empty if none sized a plate.
  if (form_.check_value(role::short_anchorage_on) == 1) {
    form_.set_text(role::actual_anchorage, s_.anchor_length.text());
  }
}

}  // namespace platewise
