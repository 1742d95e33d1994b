// The last touches of a formula line: the minus sign, and values kept with their units.

#include "report_typography.h"

#include <gtest/gtest.h>

namespace platewise {
namespace {

// A non-breaking space written as "~", the minus sign as "−".
std::string shown(std::string text) {
  for (std::size_t at; (at = text.find("\u00A0")) != std::string::npos;) text.replace(at, 2, "~");
  return text;
}

TEST(ReportTypography, MinusSignsAndUnitsKeptWithTheirValues) {
  const std::pair<const char*, const char*> cases[] = {
      {"ψ = 1.1 − 0.65 × 1.5 = -0.049", "ψ = 1.1 − 0.65 × 1.5 = −0.049"},
      {"(-5) × 2 = -10 mm", "(−5) × 2 = −10~mm"},
      {"-.5 + x", "−.5 + x"},
      {"x = -.", "x = -."},
      {"KL-1 与 KL-2", "KL-1 与 KL-2"},
      {"2026-12-07 10:15:08", "2026-12-07 10:15:08"},
      {"h − a = 650 - 35", "h − a = 650 - 35"},
      {"h = 650 mm，b = 330 mm", "h = 650~mm，b = 330~mm"},
      {"M × 10^{6} N·mm", "M × 10^{6}~N·mm"},
      {"β = 75 %", "β = 75~%"},
      {"0.5 × b × h", "0.5 × b × h"},
      {"共 3 个", "共 3 个"},
      {"", ""},
  };
  for (const auto& [text, set] : cases) EXPECT_EQ(shown(typeset_line(text)), set) << text;
}

}  // namespace
}  // namespace platewise
