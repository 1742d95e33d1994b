#pragma once
// A whole window without Qt: the headless form, its BeamState and the
// handlers on both. The command line computes its beams in one of these.

#include "beam_window.h"
#include "headless_form.h"

namespace platewise {

class HeadlessWindow final : public BeamWindow {
 public:
  void reset() override;
  void type(std::string_view control, const std::string& text) override;
  void tick(std::string_view control, bool ticked) override;
  void run_handler(Handler handler) override;
  std::string text(std::string_view control) const override;

  // What the calculation report is written from.
  const CalcRecord& record() const override { return handlers_.record(); }
  const FormAccess& form() const { return form_; }

 private:
  HeadlessForm form_;
  BeamState state_;
  FormHandlers handlers_{state_, form_};
};

}  // namespace platewise
