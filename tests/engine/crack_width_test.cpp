// The crack check that each edit of the selected bottom-plate width re-runs.

#include "engine_fixture.h"

namespace platewise::testing {
namespace {

struct EditCase {
  const char* name;
  Texts before;  // entered before the Calculate run
  Texts after;   // entered after it
  const char* width;
  const char* error = "";
};

void PrintTo(const EditCase& c, std::ostream* out) { *out << c.name; }
class CrackWidthEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(CrackWidthEdit, OfTheSelectedWidthAfterACalculation) {
  Engine e;
  EXPECT_EQ(e.after_calculation(GetParam().before, GetParam().after,
                                &FormHandlers::selected_width_edited),
            GetParam().error);
  EXPECT_EQ(e.form.text("crack_width"), GetParam().width);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edits, CrackWidthEdit, ::testing::Values(
    EditCase{"Moment50PsiRaisedTo0Point4", {}, {{"moment", "50"}, {"selected_width", "131"}}, "0.038"},
    EditCase{"Moment57Psi0Point45Kept", {}, {{"moment", "57"}, {"selected_width", "131"}}, "0.05"},
    EditCase{"Moment150", {}, {{"moment", "150"}, {"selected_width", "131"}}, "0.249"},
    EditCase{"Moment400PsiLoweredTo1CutDown", {}, {{"moment", "400"}, {"selected_width", "131"}}, "0.777"},
    EditCase{"Moment400000EveryDigit", {}, {{"moment", "400000"}, {"selected_width", "131"}}, "777.696"},
    EditCase{"NoPlateMoment50", {}, {{"moment", "50"}, {"selected_width", ""}}, "0.058"},
    EditCase{"NoPlateMoment150", {}, {{"moment", "150"}, {"selected_width", ""}}, "0.377"},
    EditCase{"WidthWithLettersAfterIt", {}, {{"moment", "150"}, {"selected_width", "131abc"}}, "0.249"},
    EditCase{"Cover5NegativeCoverTerm", {{"cover", "5"}}, {{"moment", "150"}, {"selected_width", "131"}}, "0.16"},
    EditCase{"NoMoment", {}, {{"moment", ""}}, "0.038", "裂缝验算中断：除数为零"},
    EditCase{"NegativeWidth", {}, {{"selected_width", "-9999"}}, "0.038", "裂缝验算中断：无效的参数"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Before any calculation every member counts as 0.
TEST(CrackWidth, BeforeAnyCalculationAnEditStopsAndNoHoopsAreNeeded) {
  Engine e;
  e.enter({{"selected_width", "131"}});
  EXPECT_EQ(e.run(&FormHandlers::selected_width_edited), "裂缝验算中断：除数为零");
  e.handlers.size_hoop_plates();
  EXPECT_EQ(e.form.text("crack_width") + "|" + e.form.text("hoop_plates"), "|无需加箍");
}

}  // namespace
}  // namespace platewise::testing
