#include "calc_record.h"

namespace platewise {

std::span<const InputField* const> calculate_inputs() {
  static const std::vector<const InputField*> kInputs = [] {
    std::vector<const InputField*> read;
    for (const InputField& field : input_fields()) {
      if (field.given == Given::WithCalculate) read.push_back(&field);
    }
    return read;
  }();
  return kInputs;
}

}  // namespace platewise
