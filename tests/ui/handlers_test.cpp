// Each handler started through the window's own widgets, with one worked
// scenario; what shows in the status line and in message boxes.

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWheelEvent>
#include <functional>

#include "default_results.h"
#include "window_fixture.h"

namespace {

QStringList result_fields() {
  QStringList names;
  for (const auto& [name, _] : platewise::testing::kDefaultResults) names << name.c_str();
  return names;
}

QString default_results() {
  QStringList texts;
  for (const auto& [_, text] : platewise::testing::kDefaultResults) texts << text.c_str();
  return texts.join('|');
}

}  // namespace

class HandlerTest : public WindowTest {
 protected:
  QString results() const { return texts(result_fields()); }
  QString status() const { return text("status_line"); }
  QMessageBox* message_box() const { return window_->findChild<QMessageBox*>(); }
  void close_message_box() {
    QTest::mouseClick(message_box()->button(QMessageBox::Ok), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Opens the list and clicks its item at `row`, as the engineer does.
  void pick(const QString& name, int row) {
    auto* list = widget<QComboBox>(name);
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
  }
  // One notch of the mouse wheel, turned down, over the list.
  void wheel_down(const QString& name) {
    QWidget* list = widget(name);
    const QPointF centre = list->rect().center();
    QWheelEvent turn(centre, list->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &turn);
  }
};

TEST_F(HandlerTest, CalculateRunsOnAClickAndOnEnterOrSpaceAtTheStartFocus) {
  for (const std::function<void()>& press : std::vector<std::function<void()>>{
           [&] { click("Command1"); },
           [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
           [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }}) {
    SetUp();
    press();
    EXPECT_EQ(results(), default_results());
    EXPECT_EQ(status(), "");
  }
}

TEST_F(HandlerTest, OptionBoxesShowTheirControlsAndTheHoopCommandSizesHoops) {
  click("Command1");
  click("Check1");
  click("Check2");
  const QStringList governed = {"Label21", "Text8",   "Label22",  "Label10",
                                "Text4",   "Label26", "Command2", "Text5"};
  for (const QString& name : governed) EXPECT_TRUE(widget(name)->isVisible()) << name.toStdString();
  EXPECT_EQ(text("Text4"), "172");
  type_into("Text4", "150");
  click("Command2");
  EXPECT_EQ(text("Text5"), "3个3(厚)X24(宽bu)X150(高Lu)@100");
  click("Check1");
  click("Check2");
  for (const QString& name : governed) EXPECT_TRUE(widget(name)->isHidden()) << name.toStdString();
  EXPECT_TRUE(widget("CommonDialog1")->isHidden());
}

TEST_F(HandlerTest, EveryEditOfTheSelectedWidthRerunsTheCrackCheck) {
  click("Command1");
  auto* width = widget<QLineEdit>("Text9");
  const auto key = [&](Qt::Key k) {
    width->setFocus();
    QTest::keyClick(width, k, Qt::ControlModifier);
  };
  const struct {
    const char* edit;
    std::function<void()> make;
    const char* shown;  // Text9|Text7
  } steps[] = {
      {"type 131", [&] { type_into("Text9", "131"); }, "131|0.038"},
      {"delete", [&] { type_into("Text9", ""); }, "|0.058"},
      {"undo", [&] { key(Qt::Key_Z); }, "131|0.038"},
      {"a new moment alone", [&] { type_into("txt_m", "150"); }, "131|0.038"},
      {"delete", [&] { type_into("Text9", ""); }, "|0.377"},
      {"paste 131",
       [&] {
         QGuiApplication::clipboard()->setText("131");
         key(Qt::Key_V);
       },
       "131|0.249"},
  };
  for (const auto& step : steps) {
    step.make();
    EXPECT_EQ(texts({"Text9", "Text7"}), step.shown) << step.edit;
  }
}

TEST_F(HandlerTest, CommandFailuresOpenABoxAndWidthEditFailuresShowInTheStatusLine) {
  type_into("txt_m", "");
  click("Command1");
  ASSERT_NE(message_box(), nullptr);
  EXPECT_TRUE(message_box()->isVisible());
  EXPECT_EQ(message_box()->windowTitle(), "Platewise1.0");
  EXPECT_EQ(message_box()->text(), "裂缝验算中断：除数为零");
  EXPECT_EQ(message_box()->windowModality(), Qt::WindowModal);
  EXPECT_EQ(status(), "");  // the width the command wrote starts no edit handler
  EXPECT_EQ(texts({"Text3", "Text9", "Text1"}), "A3号钢:4(厚)X131(宽)|131|");
  close_message_box();
  EXPECT_EQ(message_box(), nullptr);

  type_into("Text9", "120");
  EXPECT_EQ(status(), "裂缝验算中断：除数为零");
  EXPECT_EQ(message_box(), nullptr);
}

TEST_F(HandlerTest, StatusLineIsClearedOnlyByTheHandlersThatWriteIt) {
  const QString notice = "砼强度等级“C45”不在列表中，按C20计算";
  const struct {
    const char* action;
    std::function<void()> act;
    QString status;
  } cases[] = {
      {"tick Check1", [&] { click("Check1"); }, notice},
      {"tick Check2", [&] { click("Check2"); }, notice},
      {"hoop command",
       [&] {
         click("Check2");
         click("Command2");
       },
       ""},
      {"width edit", [&] { type_into("Text9", "131"); }, ""},
      {"Calculate",
       [&] {
         type_into("Cmb_Hnt", "C20");
         click("Command1");
       },
       ""},
  };
  for (const auto& c : cases) {
    SetUp();
    type_into("Cmb_Hnt", "C45");
    click("Command1");
    ASSERT_EQ(status(), notice);
    c.act();
    EXPECT_EQ(status(), c.status) << c.action;
  }
}

TEST_F(HandlerTest, TypedNamePicksItsItemAndAnUnlistedNameIsNoticedAtCalculate) {
  type_into("cmb_gb", " 16mn钢 ");
  EXPECT_EQ(list_index("cmb_gb"), 1);
  type_into("Cmb_Hnt", "C45");  // the edit of cmb_gb is done
  EXPECT_EQ(text("cmb_gb"), "16Mn钢");
  EXPECT_EQ(list_index("Cmb_Hnt"), -1);
  click("Command1");
  EXPECT_EQ(texts({"Text3", "Text1"}), "16Mn钢:4(厚)X89(宽)|16Mn钢:4(厚)X59(宽)");
  EXPECT_EQ(status(), "砼强度等级“C45”不在列表中，按C20计算");
}

TEST_F(HandlerTest, ListsPickFromThePopupAndByTheWheelOnlyWithTheFocus) {
  pick("cmb_gb", 1);
  EXPECT_EQ(list_index("cmb_gb"), 1);
  type_into("cmb_gb", "16Mn");
  EXPECT_EQ(list_index("cmb_gb"), -1);
  type_into("cmb_gb", "a3号钢");
  widget("Command1")->setFocus();
  EXPECT_EQ(text("cmb_gb"), "A3号钢");

  wheel_down("Cmb_Hnt");  // no focus: nothing turns, the focus stays
  EXPECT_EQ(list_index("Cmb_Hnt"), -1);
  EXPECT_EQ(text("Cmb_Hnt"), "C20");
  EXPECT_EQ(QApplication::focusWidget(), widget("Command1"));
  widget("Cmb_Hnt")->setFocus();
  wheel_down("Cmb_Hnt");
  EXPECT_EQ(list_index("Cmb_Hnt"), 0);
  EXPECT_EQ(text("Cmb_Hnt"), "C10");
}
