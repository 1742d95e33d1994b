// Each handler started through the window's own widgets, with one worked
// scenario; what shows in the status line and in message boxes.

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QWheelEvent>
#include <functional>

#include "window_fixture.h"

namespace {

using Action = std::function<void()>;
const QString kDefaultResults = QString::fromStdString(platewise::testing::kDefaultResults);

// Calculate started by a click (no key), or by a key on the button that has the focus at start.
class CalculateTest : public WindowTest, public testing::WithParamInterface<Qt::Key> {};

TEST_P(CalculateTest, RunsOnAClickAndOnEnterOrSpaceAtTheStartFocus) {
  if (GetParam() == Qt::Key_unknown) click("calculate_button");
  if (GetParam() != Qt::Key_unknown) QTest::keyClick(QApplication::focusWidget(), GetParam());
  EXPECT_EQ(results(), kDefaultResults);
}

INSTANTIATE_TEST_SUITE_P(Starts, CalculateTest,
                         testing::Values(Qt::Key_unknown, Qt::Key_Return, Qt::Key_Space),
                         [](const auto& info) {
                           return info.param == Qt::Key_unknown
                                      ? std::string("Click")
                                      : QKeySequence(info.param).toString().toStdString();
                         });

TEST_F(WindowTest, EveryEditOfTheSelectedWidthRerunsTheCrackCheck) {
  click("calculate_button");
  const auto key = [&](Qt::Key k) {
    QTest::keyClick(widget("selected_width"), k, Qt::ControlModifier);
  };
  const std::tuple<const char*, Action, const char*> steps[] = {
      // clang-format off
      {"type 131", [&] { type_into("selected_width", "131"); }, "131|0.038"},
      {"delete", [&] { type_into("selected_width", ""); }, "|0.058"},
      {"undo", [&] { key(Qt::Key_Z); }, "131|0.038"},
      {"a new moment alone", [&] { type_into("moment", "150"); }, "131|0.038"},
      {"paste 1", [&] { QGuiApplication::clipboard()->setText("1"); widget("selected_width")->setFocus(); key(Qt::Key_V); }, "1311|0.049"},
      // clang-format on
  };
  for (const auto& [edit, make, shown] : steps) {
    make();
    EXPECT_EQ(texts({"selected_width", "crack_width"}), shown) << edit;
  }
}

TEST_F(WindowTest, CommandFailuresOpenABoxAndWidthEditFailuresShowInTheStatusLine) {
  type_into("moment", "");
  click("calculate_button");
  QMessageBox* box = window_->findChild<QMessageBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowTitle() + "|" + box->text(), "Platewise1.0|裂缝验算中断：除数为零");
  EXPECT_EQ(box->windowModality(), Qt::WindowModal);
  EXPECT_EQ(box->button(QMessageBox::Ok)->text(), "确定");  // Qt's own texts in Chinese too
  // The failure first, then the checks the run reached; the width the command wrote starts no edit
  // handler.
  EXPECT_EQ(status(), "裂缝验算中断：除数为零；验算：1 项注意（取整），详见计算书");
  EXPECT_EQ(texts({"bottom_plate", "selected_width", "top_plate"}), "A3号钢:4(厚)X131(宽)|131|");
  QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window_->findChild<QMessageBox*>(), nullptr);

  type_into("selected_width", "120");
  EXPECT_EQ(status().replace(QChar(0xA0), ' '),
            "裂缝验算中断：除数为零；验算：1 项不满足（梁底钢板面积 480 mm² < 所需 525.7 mm²"
            "（91.31%，实选宽度 120 mm 小于 131 mm）），详见计算书");
  EXPECT_EQ(window_->findChild<QMessageBox*>(), nullptr);
}

// After a Calculate of a C45 beam the status line holds the notice and the checks; each
// handler that sums up the checks writes it anew, the option boxes leave it.
const QString kChecks = "验算：2 项注意（取整），详见计算书";
const QString kNotice =
    "砼强度等级“C45”不在列表中，按C20计算；验算：1 项注意，2 项注意（取整），详见计算书";

struct StatusCase {
  const char* name;
  std::function<void(WindowTest&)> act;
  QString shown;
};
void PrintTo(const StatusCase& c, std::ostream* out) { *out << c.name; }
class StatusLineTest : public WindowTest, public testing::WithParamInterface<StatusCase> {};

TEST_P(StatusLineTest, IsWrittenOnlyByTheHandlersThatSumUpTheChecks) {
  type_into("concrete_grade", "C45");
  click("calculate_button");
  ASSERT_EQ(status(), kNotice);
  GetParam().act(*this);
  EXPECT_EQ(status().replace(QChar(0xA0), ' '), GetParam().shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Handlers, StatusLineTest, testing::Values(
    StatusCase{"RedistributionBoxLeavesIt", [](WindowTest& w) { w.click("redistribution_on"); }, kNotice},
    StatusCase{"ShortAnchorageBoxLeavesIt", [](WindowTest& w) { w.click("short_anchorage_on"); }, kNotice},
    StatusCase{"HoopCommand", [](WindowTest& w) { w.click("short_anchorage_on"); w.type_into("actual_anchorage", "150"); w.click("hoop_button"); },
               "验算：2 项注意，2 项注意（取整），详见计算书"},
    StatusCase{"WidthEdit", [](WindowTest& w) { w.type_into("selected_width", "251"); },
               "验算：1 项不满足（梁底钢板宽 251 mm > 梁宽 250 mm），1 项注意，1 项注意（取整），详见计算书"},
    StatusCase{"Calculate", [](WindowTest& w) { w.type_into("concrete_grade", "C20"); w.calculate(); }, kChecks}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(WindowTest, ListsPickFromThePopupAndByTheWheelOnlyWithTheFocus) {
  auto* steel = widget<QComboBox>("plate_steel");
  steel->showPopup();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(steel->view()->window()));
  const QRect item = steel->view()->visualRect(steel->model()->index(1, 0));
  QTest::mouseClick(steel->view()->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(list_index("plate_steel"), 1);
  type_into("plate_steel", "16Mn");
  EXPECT_EQ(list_index("plate_steel"), -1);
  type_into("plate_steel", "a3号钢");
  widget("calculate_button")->setFocus();
  EXPECT_EQ(text("plate_steel"), "A3号钢");

  QWidget* concrete = widget("concrete_grade");
  const QPointF centre = concrete->rect().center();
  QWheelEvent turn(centre, concrete->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(concrete, &turn);  // no focus: nothing turns, the focus stays
  EXPECT_EQ(text("concrete_grade") + QString::number(list_index("concrete_grade")), "C20-1");
  EXPECT_EQ(QApplication::focusWidget(), widget("calculate_button"));
  concrete->setFocus();
  QApplication::sendEvent(concrete, &turn);
  EXPECT_EQ(text("concrete_grade") + QString::number(list_index("concrete_grade")), "C100");
}

}  // namespace
