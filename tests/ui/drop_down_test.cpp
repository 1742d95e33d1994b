// Drop-down lists: a pick from the list, or typed text that names an item,
// selects the material row; text that names no item is kept as typed and
// quoted in the plate texts.

#include <QAbstractItemView>

#include "window_fixture.h"

class DropDownTest : public WindowTest {
 protected:
  // Opens the list and clicks its item at `row`, as the engineer does.
  void pick(const QString& name, int row) {
    auto* list = widget<QComboBox>(name);
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
  }

  Texts plates() const { return shown({{"Text3", {}}, {"Text9", {}}, {"Text1", {}}}); }
};

TEST_F(DropDownTest, TypedSteelNameIsQuotedWhileTheDefaultRowSizesThePlates) {
  type_into("cmb_gb", "Q235");
  calculate();
  EXPECT_EQ(list_index("cmb_gb"), -1);
  const Texts expected = {
      {"Text3", "Q235:4(厚)X131(宽)"}, {"Text9", "131"}, {"Text1", "Q235:4(厚)X87(宽)"}};
  EXPECT_EQ(plates(), expected);
}

TEST_F(DropDownTest, TypedTextThatNamesAnItemPicksItAndShowsItsSpelling) {
  type_into("cmb_gb", " 16mn钢 ");
  EXPECT_EQ(list_index("cmb_gb"), 1);
  calculate();
  const Texts expected = {
      {"Text3", "16Mn钢:4(厚)X89(宽)"}, {"Text9", "89"}, {"Text1", "16Mn钢:4(厚)X59(宽)"}};
  EXPECT_EQ(plates(), expected);
}

TEST_F(DropDownTest, PickedItemSetsTheMaterialUntilTextIsTypedOverIt) {
  pick("cmb_gb", 1);
  EXPECT_EQ(list_index("cmb_gb"), 1);
  calculate();
  const Texts picked = {
      {"Text3", "16Mn钢:4(厚)X89(宽)"}, {"Text9", "89"}, {"Text1", "16Mn钢:4(厚)X59(宽)"}};
  EXPECT_EQ(plates(), picked);

  type_into("cmb_gb", "16Mn");
  EXPECT_EQ(list_index("cmb_gb"), -1);
  pick("cmb_gb", 1);
  EXPECT_EQ(text("cmb_gb"), "16Mn钢");
  EXPECT_EQ(list_index("cmb_gb"), 1);
}
