#pragma once
// The material tables: one row a list item, its name as the drop-down lists
// it and the values it stands for. The drop-downs take their items from
// here (form_fields.h). Only the picked index selects a row; nothing picked
// (-1) selects the row the list's start text names.

#include <array>
#include <cstddef>
#include <string_view>

namespace platewise {

struct PlateSteel {
  std::string_view name;
  double fa;  // design strength, N/mm²
};
struct BarGrade {
  std::string_view name;
  double fy;         // design strength, N/mm²
  double es;         // elastic modulus, N/mm²
  double bond_coef;  // ν
};
struct ConcreteGrade {
  std::string_view name;
  double fc;   // design compressive strength, N/mm²
  double fcv;  // shear strength of the anchorage zone, N/mm²
  double ftk;  // characteristic tensile strength, N/mm²
};

inline constexpr PlateSteel kPlateSteels[] = {{"A3号钢", 215}, {"16Mn钢", 315}};
inline constexpr BarGrade kBarGrades[] = {{"I级", 210, 210000, 1}, {"II级", 310, 200000, 0.7}};
// The fcv column as the tables give it, though not smooth: C20 lies 0.05 below C25.
inline constexpr ConcreteGrade kConcreteGrades[] = {
    {"C10", 5, 1, 0.9},       {"C15", 7.5, 1.25, 1.2}, {"C20", 10, 1.75, 1.5},
    {"C25", 12.5, 1.8, 1.75}, {"C30", 15, 2.1, 2},     {"C35", 17.5, 2.35, 2.25},
    {"C40", 19.5, 2.6, 2.45},
};

template <class Row, std::size_t N>
constexpr std::array<std::string_view, N> names_of(const Row (&rows)[N]) {
  std::array<std::string_view, N> names{};
  for (std::size_t i = 0; i < N; ++i) names[i] = rows[i].name;
  return names;
}
inline constexpr auto kPlateSteelNames = names_of(kPlateSteels);
inline constexpr auto kBarGradeNames = names_of(kBarGrades);
inline constexpr auto kConcreteGradeNames = names_of(kConcreteGrades);

// The row of the picked `index`; nothing picked, or an index outside the
// table, gives the row named `start_text`.
template <class Row, std::size_t N>
constexpr const Row& material_row(const Row (&rows)[N], int index, std::string_view start_text) {
  if (index >= 0 && static_cast<std::size_t>(index) < N) return rows[index];
  for (const Row& row : rows) {
    if (row.name == start_text) return row;
  }
  return rows[0];
}

// The picked indexes of the four material lists; -1 where none is picked.
struct MaterialPicks {
  int bottom_grade = -1, top_grade = -1, concrete = -1, plate_steel = -1;

  bool operator==(const MaterialPicks&) const = default;
};

}  // namespace platewise
