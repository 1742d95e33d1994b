// Each handler started through the window's own widgets, with one worked
// scenario; what shows in the status line and in message boxes.

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWheelEvent>
#include <functional>

#include "window_fixture.h"

namespace {

using Action = std::function<void()>;
const QString kDefaultResults = QString::fromStdString(platewise::testing::kDefaultResults);

}  // namespace

TEST_F(WindowTest, CalculateRunsOnAClickAndOnEnterOrSpaceAtTheStartFocus) {
  for (Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Space}) {
    SetUp();
    if (key == Qt::Key_unknown) click("Command1");
    if (key != Qt::Key_unknown) QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(results(), kDefaultResults) << key;
  }
}

TEST_F(WindowTest, OptionBoxesShowTheirControlsAndTheHoopCommandSizesHoops) {
  click("Command1");
  click("Check1");
  click("Check2");
  EXPECT_TRUE(widget("Text8")->isVisible() && widget("Command2")->isVisible());
  EXPECT_EQ(text("Text4"), "172");
  type_into("Text4", "150");
  click("Command2");
  EXPECT_EQ(text("Text5"), "3个3(厚)X24(宽bu)X150(高Lu)@100");
  click("Check1");
  click("Check2");
  EXPECT_TRUE(widget("Text8")->isHidden() && widget("Command2")->isHidden());
  EXPECT_TRUE(widget("CommonDialog1")->isHidden());
}

TEST_F(WindowTest, EveryEditOfTheSelectedWidthRerunsTheCrackCheck) {
  click("Command1");
  const auto key = [&](Qt::Key k) { QTest::keyClick(widget("Text9"), k, Qt::ControlModifier); };
  const std::tuple<const char*, Action, const char*> steps[] = {
      // clang-format off
      {"type 131", [&] { type_into("Text9", "131"); }, "131|0.038"},
      {"delete", [&] { type_into("Text9", ""); }, "|0.058"},
      {"undo", [&] { key(Qt::Key_Z); }, "131|0.038"},
      {"a new moment alone", [&] { type_into("txt_m", "150"); }, "131|0.038"},
      {"paste 1", [&] { QGuiApplication::clipboard()->setText("1"); widget("Text9")->setFocus(); key(Qt::Key_V); }, "1311|0.049"},
      // clang-format on
  };
  for (const auto& [edit, make, shown] : steps) {
    make();
    EXPECT_EQ(texts({"Text9", "Text7"}), shown) << edit;
  }
}

TEST_F(WindowTest, CommandFailuresOpenABoxAndWidthEditFailuresShowInTheStatusLine) {
  type_into("txt_m", "");
  click("Command1");
  QMessageBox* box = window_->findChild<QMessageBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowTitle() + "|" + box->text(), "Platewise1.0|裂缝验算中断：除数为零");
  EXPECT_EQ(box->windowModality(), Qt::WindowModal);
  EXPECT_EQ(box->button(QMessageBox::Ok)->text(), "确定");  // Qt's own texts in Chinese too
  EXPECT_EQ(status(), "");  // the width the command wrote starts no edit handler
  EXPECT_EQ(texts({"Text3", "Text9", "Text1"}), "A3号钢:4(厚)X131(宽)|131|");
  QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window_->findChild<QMessageBox*>(), nullptr);

  type_into("Text9", "120");
  EXPECT_EQ(status(), "裂缝验算中断：除数为零");
  EXPECT_EQ(window_->findChild<QMessageBox*>(), nullptr);
}

TEST_F(WindowTest, StatusLineIsClearedOnlyByTheHandlersThatWriteIt) {
  const QString notice = "砼强度等级“C45”不在列表中，按C20计算";
  const std::tuple<const char*, Action, QString> cases[] = {
      // clang-format off
      {"tick Check1", [&] { click("Check1"); }, notice},
      {"tick Check2", [&] { click("Check2"); }, notice},
      {"hoop command", [&] { click("Check2"); click("Command2"); }, ""},
      {"width edit", [&] { type_into("Text9", "131"); }, ""},
      {"Calculate", [&] { type_into("Cmb_Hnt", "C20"); click("Command1"); }, ""},
      // clang-format on
  };
  for (const auto& [action, act, shown] : cases) {
    SetUp();
    type_into("Cmb_Hnt", "C45");
    click("Command1");
    ASSERT_EQ(status(), notice);
    act();
    EXPECT_EQ(status(), shown) << action;
  }
}

TEST_F(WindowTest, TypedNamePicksItsItemAndAnUnlistedNameIsNoticedAtCalculate) {
  type_into("cmb_gb", " 16mn钢 ");
  EXPECT_EQ(list_index("cmb_gb"), 1);
  type_into("Cmb_Hnt", "C45");  // the edit of cmb_gb is done
  EXPECT_EQ(text("cmb_gb"), "16Mn钢");
  EXPECT_EQ(list_index("Cmb_Hnt"), -1);
  click("Command1");
  EXPECT_EQ(texts({"Text3", "Text1"}), "16Mn钢:4(厚)X89(宽)|16Mn钢:4(厚)X59(宽)");
  EXPECT_EQ(status(), "砼强度等级“C45”不在列表中，按C20计算");
}

TEST_F(WindowTest, ListsPickFromThePopupAndByTheWheelOnlyWithTheFocus) {
  auto* steel = widget<QComboBox>("cmb_gb");
  steel->showPopup();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(steel->view()->window()));
  const QRect item = steel->view()->visualRect(steel->model()->index(1, 0));
  QTest::mouseClick(steel->view()->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(list_index("cmb_gb"), 1);
  type_into("cmb_gb", "16Mn");
  EXPECT_EQ(list_index("cmb_gb"), -1);
  type_into("cmb_gb", "a3号钢");
  widget("Command1")->setFocus();
  EXPECT_EQ(text("cmb_gb"), "A3号钢");

  QWidget* concrete = widget("Cmb_Hnt");
  const QPointF centre = concrete->rect().center();
  QWheelEvent turn(centre, concrete->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(concrete, &turn);  // no focus: nothing turns, the focus stays
  EXPECT_EQ(text("Cmb_Hnt") + QString::number(list_index("Cmb_Hnt")), "C20-1");
  EXPECT_EQ(QApplication::focusWidget(), widget("Command1"));
  concrete->setFocus();
  QApplication::sendEvent(concrete, &turn);
  EXPECT_EQ(text("Cmb_Hnt") + QString::number(list_index("Cmb_Hnt")), "C100");
}
