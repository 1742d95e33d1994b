#include "calc_record.h"

#include "form_access.h"

namespace platewise {

std::span<const InputField* const> calculate_inputs() {
  static const std::vector<const InputField*> kInputs = [] {
    std::vector<const InputField*> read;
    for (const InputField& field : input_fields()) {
      if (field.control != ctl::bottom_width && field.control != ctl::actual_anchorage &&
          field.control != ctl::short_anchorage_on) {
        read.push_back(&field);
      }
    }
    return read;
  }();
  return kInputs;
}

}  // namespace platewise
