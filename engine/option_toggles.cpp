// The two option check boxes show and hide the controls of their option.

#include "form_handlers.h"

namespace platewise {

void FormHandlers::Check1_Click() {
  const bool on = form_.check_value(ctl::redistribution_on) == 1;
  for (auto control : {ctl::redistribution_label, ctl::redistribution_percent, ctl::percent_sign}) {
    form_.set_visible(control, on);
  }
}

void FormHandlers::Check2_Click() {
  const bool on = form_.check_value(ctl::short_anchorage_on) == 1;
  for (auto control : {ctl::actual_anchorage_label, ctl::actual_anchorage, ctl::hoop_label,
                       ctl::hoop_command, ctl::hoop_plates}) {
    form_.set_visible(control, on);
  }
  // The calculated length of the last Calculate run; empty if none sized a plate.
  if (on) form_.set_text(ctl::actual_anchorage, s_.anchor_length.text());
}

}  // namespace platewise
