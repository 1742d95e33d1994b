// The dialog 计算书信息: what it offers (the beam file's information and name,
// else what was accepted last), what accepting it does (the window's
// report information, the beam file, what is remembered), the check of [w],
// and its place before saving and printing the report.

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>

#include "report_info_dialog.h"
#include "window_fixture.h"

namespace {

using platewise::ReportInfo;
using platewise::WindowCommand;

class ReportInfoTest : public WindowTest {
 protected:
  auto* dialog() const { return open_dialog<platewise::ReportInfoDialog>(); }
  // The dialog's fields in the order shown: 工程名称|构件编号|[w]|计算|校对|审核.
  QString offered() const {
    QStringList texts;
    for (QLineEdit* field : dialog()->findChildren<QLineEdit*>()) texts << field->text();
    return texts.join('|');
  }
  // Opens the dialog from the menu and types the fields given, in that order.
  void edit(const QStringList& typed) {
    window_->action(WindowCommand::EditReportInfo)->trigger();
    ASSERT_NE(dialog(), nullptr);
    const auto fields = dialog()->findChildren<QLineEdit*>();
    for (int i = 0; i < typed.size(); ++i) fields[i]->setText(typed[i]);
    fields[0]->setFocus();
  }
  // A key on the field being typed into, or on the dialog when none is.
  void press(Qt::Key key) {
    QWidget* focus = dialog()->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : dialog(), key);
  }
};

TEST_F(ReportInfoTest, EscapedIsForgottenAcceptedIsTheWindowsAndOfferedNextTimeWithoutTheMember) {
  edit({"某办公楼加固"});
  press(Qt::Key_Escape);
  EXPECT_EQ(dialog(), nullptr);
  EXPECT_EQ(window_->report_info(), ReportInfo{});
  edit({});
  EXPECT_EQ(offered(), "|||||");
  press(Qt::Key_Escape);
  edit({" 某办公楼加固 ", "KL-9", "0.2", "张三", "", "王五"});
  press(Qt::Key_Return);
  EXPECT_EQ(dialog(), nullptr);
  // project, member, designer, checker, approver, crack_limit
  EXPECT_EQ(window_->report_info(),
            (ReportInfo{"某办公楼加固", "KL-9", "张三", "", "王五", "0.2"}));
  start();  // the program started again
  edit({});
  EXPECT_EQ(offered(), "某办公楼加固||0.2|张三||王五");
}

TEST_F(ReportInfoTest, BeamFileOffersItsOwnInformationElseWhatWasAcceptedLast) {
  edit({"上次的工程", "", "", "张三"});
  press(Qt::Key_Return);
  platewise::write_atomically(path("KL-3.json"), R"({"format": "platewise-beam", "version": 2,
      "name": "KL-3a", "inputs": {}, "report": {"project": "办公楼", "checker": "李四"}})");
  platewise::write_atomically(path("KL-4.json"), R"({"format": "platewise-beam", "version": 1,
      "inputs": {}})");
  ASSERT_TRUE(files().open(path("KL-3.json")));
  edit({});
  EXPECT_EQ(offered(), "办公楼|KL-3a|||李四|");
  press(Qt::Key_Escape);
  ASSERT_TRUE(files().open(path("KL-4.json")));
  edit({});
  EXPECT_EQ(offered(), "上次的工程|KL-4||张三||");
}

TEST_F(ReportInfoTest, AcceptedInformationMarksTheFileAndIsSavedWithIt) {
  ASSERT_TRUE(files().save_to(path("KL-3.json")));
  edit({"办公楼"});
  EXPECT_EQ(offered(), "办公楼|KL-3||||");
  press(Qt::Key_Return);
  EXPECT_EQ(caption(), "KL-3.json* - Platewise1.0");
  window_->action(WindowCommand::SaveFile)->trigger();
  EXPECT_EQ(caption(), "KL-3.json - Platewise1.0");
  EXPECT_EQ(saved("KL-3.json").beam.report, (ReportInfo{"办公楼", "KL-3", "", "", "", ""}));
}

// The name a saved beam file gives its beam: the member typed, else the name the
// opened file gave it, else the file's own name.
TEST_F(ReportInfoTest, SavedBeamIsNamedByTheMemberTypedElseByItsFile) {
  platewise::write_atomically(path("KL-9.json"), R"j({"format": "platewise-beam", "version": 1,
      "name": "一层KL-9(东跨)", "inputs": {"beam_width": "300"}})j");
  platewise::write_atomically(path("KL-3.json"), R"({"format": "platewise-beam", "version": 1,
      "inputs": {}})");
  ASSERT_TRUE(files().save_to(path("new.json")));  // a new beam
  EXPECT_EQ(saved("new.json").beam.name, "new");
  ASSERT_TRUE(files().open(path("KL-9.json")));
  type_into("beam_width", "320");
  ASSERT_TRUE(files().save());
  EXPECT_EQ(saved("KL-9.json").beam.name, "一层KL-9(东跨)");
  ASSERT_TRUE(files().save_to(path("copy.json")));
  EXPECT_EQ(saved("copy.json").beam.name, "一层KL-9(东跨)");

  ASSERT_TRUE(files().open(path("KL-3.json")));
  edit({"办公楼"});
  press(Qt::Key_Return);  // 构件编号 as offered: the file's base name
  ASSERT_TRUE(files().save_to(path("KL-4.json")));
  EXPECT_EQ(saved("KL-4.json").beam.name, "KL-4");
  edit({"办公楼", "KL-4(东跨)"});
  press(Qt::Key_Return);
  ASSERT_TRUE(files().save_to(path("KL-5.json")));
  EXPECT_EQ(saved("KL-5.json").beam.name, "KL-4(东跨)");
  EXPECT_EQ(window_->report_info().member, "KL-4(东跨)");
}

// Which texts stand as [w] is crack_limit_test.cpp's; here, what the dialog does with one that does
// not.
TEST_F(ReportInfoTest, CrackLimitThatIsNoPositiveNumberKeepsTheDialogOpenAndSaysWhy) {
  edit({"", "", "0.2mm"});
  press(Qt::Key_Return);
  ASSERT_NE(dialog(), nullptr);
  auto* problem = dialog()->findChild<QLabel*>("problem");
  EXPECT_TRUE(problem->isVisible());
  EXPECT_EQ(problem->text(), "裂缝宽度限值[w]应为正数(mm)，如0.2或2E-1，或留空取默认值");
  EXPECT_EQ(window_->report_info(), ReportInfo{});
}

TEST_F(ReportInfoTest, CrackLimitInExponentFormIsAccepted) {
  edit({"", "", "2E-1"});
  press(Qt::Key_Return);
  EXPECT_EQ(dialog(), nullptr);
  EXPECT_EQ(window_->report_info().crack_limit, "2E-1");
}

// report_group_test.cpp accepts the dialog before saving and printing.
TEST_F(ReportInfoTest, SavingTheReportAsksForTheInformationAndEscapeSavesNothing) {
  calculate();
  click("save_report_button");
  ASSERT_NE(dialog(), nullptr);
  press(Qt::Key_Escape);
  EXPECT_EQ(window_->findChild<QFileDialog*>(), nullptr);
}

}  // namespace
