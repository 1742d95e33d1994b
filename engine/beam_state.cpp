#include "beam_state.h"

#include "number_rules.h"

namespace platewise {

std::string Member::text() const { return value_ ? number_text(*value_) : std::string(); }

}  // namespace platewise
