// The commands, the option boxes and the width edit, run through the
// window's own widgets.

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <functional>

#include "default_results.h"
#include "window_fixture.h"

using CalculationTest = WindowTest;

namespace {

// The default results as the window's texts.
const Texts kDefaultResults = [] {
  Texts texts;
  for (const auto& [name, text] : platewise::testing::kDefaultResults) {
    texts.emplace_back(QString::fromStdString(name), QString::fromStdString(text));
  }
  return texts;
}();

}  // namespace

TEST_F(CalculationTest, ClickingCalculateWithTheDefaultsSizesThePlates) {
  calculate();
  EXPECT_EQ(shown(kDefaultResults), kDefaultResults);
}

TEST_F(CalculationTest, EnterAndSpaceOnTheStartFocusCalculate) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    SetUp();
    QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(shown(kDefaultResults), kDefaultResults) << key;
  }
}

TEST_F(CalculationTest, TickedRedistributionShowsItsPercentageAndMovesTopSteelDown) {
  click("Check1");
  for (const char* name : {"Label21", "Text8", "Label22"}) EXPECT_TRUE(widget(name)->isVisible());
  calculate();
  const Texts expected = {
      {"Text8", "75"},  {"Text3", "A3号钢:4(厚)X251(宽)"},
      {"Text9", "251"}, {"Text1", "梁面无需加固"},
      {"Text11", "0"},  {"Text2", "172mm"},
  };
  EXPECT_EQ(shown(expected), expected);
  click("Check1");
  for (const char* name : {"Label21", "Text8", "Label22"}) EXPECT_TRUE(widget(name)->isHidden());
}

TEST_F(CalculationTest, EveryEditOfTheSelectedWidthRerunsTheCrackCheck) {
  calculate();
  auto* width = widget<QLineEdit>("Text9");
  auto key_into_width = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    width->setFocus();
    QTest::keyClick(width, key, modifiers);
  };
  const struct {
    const char* edit;
    std::function<void()> make;
    Texts expected;
  } steps[] = {
      {"type 131", [&] { type_into("Text9", "131"); }, {{"Text9", "131"}, {"Text7", "0.038"}}},
      {"delete", [&] { type_into("Text9", ""); }, {{"Text9", ""}, {"Text7", "0.058"}}},
      {"undo",
       [&] { key_into_width(Qt::Key_Z, Qt::ControlModifier); },
       {{"Text9", "131"}, {"Text7", "0.038"}}},
      // A new moment alone recomputes nothing; the next width edit uses it.
      {"moment 150", [&] { type_into("txt_m", "150"); }, {{"Text9", "131"}, {"Text7", "0.038"}}},
      {"delete", [&] { type_into("Text9", ""); }, {{"Text9", ""}, {"Text7", "0.377"}}},
      {"paste 131",
       [&] {
         QGuiApplication::clipboard()->setText("131");
         key_into_width(Qt::Key_V, Qt::ControlModifier);
       },
       {{"Text9", "131"}, {"Text7", "0.249"}}},
  };
  for (const auto& step : steps) {
    step.make();
    EXPECT_EQ(shown(step.expected), step.expected) << step.edit;
  }
}

TEST_F(CalculationTest, ShortAnchorageOptionSizesHoopPlatesForTheTypedLength) {
  calculate();
  click("Check2");
  const QStringList governed = {"Label10", "Text4", "Label26", "Command2", "Text5"};
  for (const QString& name : governed) EXPECT_TRUE(widget(name)->isVisible());
  EXPECT_EQ(text("Text4"), "172");
  type_into("Text4", "150");
  click("Command2");
  EXPECT_EQ(text("Text5"), "3个3(厚)X24(宽bu)X150(高Lu)@100");
  click("Check2");
  for (const QString& name : governed) EXPECT_TRUE(widget(name)->isHidden());
  EXPECT_EQ(text("Text5"), "3个3(厚)X24(宽bu)X150(高Lu)@100");
}
