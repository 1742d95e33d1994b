// Material look-ups: each turns the picked index of its drop-down into
// material properties. Only the picked index counts, never typed text;
// index -1 (nothing picked) gives the row of the list's default text.

#include <array>

#include "form_handlers.h"

namespace platewise {
namespace {

struct BarGrade {
  double fy, es, bond_coef;
};
struct Concrete {
  double fc, fcv, ftk;
};

// Rows by picked index; row 0 stands for index -1.
constexpr std::array<double, 3> kPlateSteel = {
    215,  // none picked: "A3号钢"
    215,  // "A3号钢"
    315,  // "16Mn钢"
};
constexpr std::array<BarGrade, 3> kBarGrades = {{
    {310, 200000, 0.7},  // none picked: "II级"
    {210, 210000, 1},    // "I级"
    {310, 200000, 0.7},  // "II级"
}};
constexpr std::array<Concrete, 8> kConcrete = {{
    {10, 1.75, 1.5},     // none picked: "C20"
    {5, 1, 0.9},         // "C10"
    {7.5, 1.25, 1.2},    // "C15"
    {10, 1.75, 1.5},     // "C20"
    {12.5, 1.8, 1.75},   // "C25"
    {15, 2.1, 2},        // "C30"
    {17.5, 2.35, 2.25},  // "C35"
    {19.5, 2.6, 2.45},   // "C40"
}};

// The row for a picked index; an index outside the list falls back on the default row.
template <class Row, std::size_t N>
const Row& row(const std::array<Row, N>& table, int list_index) {
  const auto i = static_cast<std::size_t>(list_index + 1);  // below -1: past any table
  return i < N ? table[i] : table[0];
}

}  // namespace

// Each look-up also notes the picked index and the values it wrote.
void FormHandlers::set_bottom_bar_grade() {
  CalculateRecord::Materials& rec = record_.calculate.materials;
  rec.bottom_grade = form_.list_index(role::bottom_bar_grade);
  const BarGrade& g = row(kBarGrades, rec.bottom_grade);
  s_.fy_bottom = g.fy;
  s_.es_bottom = g.es;
  s_.bond_coef_bottom = g.bond_coef;
  rec.fy_bottom = g.fy;
  rec.es_bottom = g.es;
  rec.nu = g.bond_coef;
}

void FormHandlers::set_top_bar_grade() {
  CalculateRecord::Materials& rec = record_.calculate.materials;
  rec.top_grade = form_.list_index(role::top_bar_grade);
  s_.fy_top = rec.fy_top = row(kBarGrades, rec.top_grade).fy;
}

void FormHandlers::set_concrete_grade() {
  CalculateRecord::Materials& rec = record_.calculate.materials;
  rec.concrete = form_.list_index(role::concrete_grade);
  const Concrete& c = row(kConcrete, rec.concrete);
  s_.fc = rec.fc = c.fc;
  s_.fcv = rec.fcv = c.fcv;
  s_.ftk = rec.ftk = c.ftk;
}

void FormHandlers::set_plate_steel() {
  CalculateRecord::Materials& rec = record_.calculate.materials;
  rec.plate_steel = form_.list_index(role::plate_steel);
  s_.fa_plate = rec.fa = row(kPlateSteel, rec.plate_steel);
}

}  // namespace platewise
