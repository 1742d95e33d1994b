// The Calculate command ("计算"): reads every input afresh, looks up the
// materials, derives the section quantities and runs the sizing steps and
// the crack check in a fixed order.

#include "form_handlers.h"
#include "number_rules.h"

namespace platewise {

Num FormHandlers::number_in(std::string_view role) const {
  if (const std::string* text = calculate_input(role)) return number_of_text(*text);
  return number_of_text(form_.text(role));
}

const std::string* FormHandlers::calculate_input(std::string_view role) const {
  // The steps pass the role:: keys that the field table holds, so the keys'
  // characters are the same object; any other key reads the form.
  if (!calculating_) return nullptr;
  const std::span<const InputField* const> fields = calculate_inputs();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i]->key.data() == role.data()) return &record_.calculate.inputs[i];
  }
  return nullptr;
}

void FormHandlers::write(std::string_view role, const std::string& text) {
  form_.set_text(role, text);
  record_.written.note(role, text);
}

void FormHandlers::calculate() {
  // A new run: the record starts afresh, keeping the room of its input texts.
  std::vector<std::string> inputs = std::move(record_.calculate.inputs);
  record_.calculate = CalculateRecord{};
  record_.calculate.inputs = std::move(inputs);
  record_.calculated = true;
  record_.width_edit.reset();
  record_.hoops.reset();
  record_.events = 0;
  record_.written.clear();
  record_.calculate.started = std::chrono::system_clock::now();
  snapshot_inputs();

  calculating_ = true;
  try {
    calculate_steps();
  } catch (const CalcError& error) {
    calculating_ = false;
    record_.calculate.error = error;
    throw;
  } catch (...) {
    calculating_ = false;
    throw;
  }
  calculating_ = false;
  record_.calculate.finished = true;
}

void FormHandlers::calculate_steps() {
  set_bottom_bar_grade();
  set_top_bar_grade();
  set_concrete_grade();
  set_plate_steel();
  const Stirrups stirrups = read_section();
  redistribute();
  size_bottom_plate();
  size_top_plate();
  size_side_u_plates(stirrups);
  set_bottom_plate_area();
  check_crack_width(record_.calculate.crack);
}

void FormHandlers::snapshot_inputs() {
  const std::span<const InputField* const> fields = calculate_inputs();
  std::vector<std::string>& texts = record_.calculate.inputs;
  texts.resize(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const InputField& field = *fields[i];
    if (field.kind == FieldKind::Check) {
      texts[i].assign(1, form_.check_value(field.key) == 1 ? '1' : '0');
    } else {
      texts[i] = form_.text(field.key);
    }
  }
}

FormHandlers::Stirrups FormHandlers::read_section() {
  Stirrups st;
  CalculateRecord::Section& rec = record_.calculate.section;
  // Bar area d² × 0.785 × n: d squared first, then times 0.785, then times n.
  const auto bar_area = [this](std::string_view diameter, std::string_view count, Noted& d_noted,
                               Noted& n_noted) {
    const Num d = noted(d_noted, number_in(diameter));
    return d * d * 0.785 * noted(n_noted, number_in(count));
  };
  run_step(Step::InputData, [&] {
    st.fyv =
        noted(rec.fyv, noted(rec.stirrup_d, number_in(role::stirrup_diameter)) < 12 ? 210 : 310);
    s_.beam_width = noted(rec.b, number_in(role::beam_width));
    s_.beam_height = noted(rec.h, number_in(role::beam_height));
    s_.cover = noted(rec.a, number_in(role::cover));
    s_.h0 = noted(rec.h0, s_.beam_height - s_.cover);
    s_.plate_t = noted(rec.t, number_in(role::plate_thickness));
    s_.as_bottom = noted(rec.as_bottom, bar_area(role::bottom_bar_diameter, role::bottom_bar_count,
                                                 rec.bottom_d, rec.bottom_n));
    s_.as_top = noted(rec.as_top,
                      bar_area(role::top_bar_diameter, role::top_bar_count, rec.top_d, rec.top_n));
  });
  run_step(Step::StirrupAreas, [&] {
    const Num d = number_in(role::stirrup_diameter);
    st.existing = noted(rec.asv_exist,
                        d * d * 0.785 * noted(rec.stirrup_legs, number_in(role::stirrup_legs)) *
                            1000 / noted(rec.stirrup_s, number_in(role::stirrup_spacing)));
  });
  run_step(Step::InputData, [&] {
    // cm² to mm²
    s_.as_top_req =
        noted(rec.as_top_req, noted(rec.top_req_cm2, number_in(role::top_area_req)) * 100);
    s_.as_bottom_req =
        noted(rec.as_bottom_req, noted(rec.bottom_req_cm2, number_in(role::bottom_area_req)) * 100);
  });
  run_step(Step::StirrupAreas, [&] {
    st.required = noted(rec.asv_req, noted(rec.asv_req_cm2, number_in(role::stirrup_area_req)) *
                                         100 * 1000 / number_in(role::stirrup_spacing));
  });
  return st;
}

}  // namespace platewise
