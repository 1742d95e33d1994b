// The dialog 计算书信息: what it offers (the beam file's information and name,
// else what was accepted last), what accepting it does (the window's
// report information, the beam file, what is remembered), the check of [w],
// and its place before saving and printing the report.

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTemporaryDir>

#include "beam_file.h"
#include "beam_file_actions.h"
#include "file_io.h"
#include "report_info_dialog.h"
#include "window_fixture.h"

namespace {

using platewise::ReportInfo;
using platewise::WindowCommand;

class ReportInfoTest : public WindowTest {
 protected:
  platewise::BeamFileActions& files() const {
    return *window_->findChild<platewise::BeamFileActions*>();
  }
  QString path(const QString& name) const { return dir_.filePath(name); }
  platewise::ReportInfoDialog* dialog() const {
    for (auto* open : window_->findChildren<platewise::ReportInfoDialog*>()) {
      if (open->isVisible()) return open;
    }
    return nullptr;
  }
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

  QTemporaryDir dir_;
};

TEST_F(ReportInfoTest, AcceptedInformationIsTheWindowsAndIsOfferedNextTimeWithoutTheMember) {
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

TEST_F(ReportInfoTest, EscapeKeepsTheInformationAsItWas) {
  edit({"某办公楼加固"});
  press(Qt::Key_Escape);
  EXPECT_EQ(dialog(), nullptr);
  EXPECT_EQ(window_->report_info(), ReportInfo{});
  edit({});
  EXPECT_EQ(offered(), "|||||");
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
  EXPECT_TRUE(platewise::read_whole_file(path("KL-3.json")).contains("\"version\": 1\n"));
  edit({"办公楼"});
  EXPECT_EQ(offered(), "办公楼|KL-3||||");
  press(Qt::Key_Return);
  EXPECT_EQ(window_->windowHandle()->title(), "KL-3.json* - Platewise1.0");
  window_->action(WindowCommand::SaveFile)->trigger();
  EXPECT_EQ(window_->windowHandle()->title(), "KL-3.json - Platewise1.0");
  const QByteArray saved = platewise::read_whole_file(path("KL-3.json"));
  EXPECT_TRUE(saved.contains("\"version\": 2\n"));
  EXPECT_EQ(platewise::parse_beam_file(saved, "KL-3.json").beam.report,
            (ReportInfo{"办公楼", "KL-3", "", "", "", ""}));
}

TEST_F(ReportInfoTest, MemberTypedIsTheBeamsNameElseTheFileItIsSavedInto) {
  platewise::write_atomically(path("KL-3.json"), R"({"format": "platewise-beam", "version": 1,
      "inputs": {}})");
  const auto saved_name = [this](const QString& file) {
    return platewise::parse_beam_file(platewise::read_whole_file(path(file)), file).beam.name;
  };
  ASSERT_TRUE(files().open(path("KL-3.json")));
  edit({"办公楼"});
  press(Qt::Key_Return);  // 构件编号 as offered: the file's base name
  ASSERT_TRUE(files().save_to(path("KL-4.json")));
  EXPECT_EQ(saved_name("KL-4.json"), "KL-4");
  edit({"办公楼", "KL-4(东跨)"});
  press(Qt::Key_Return);
  ASSERT_TRUE(files().save_to(path("KL-5.json")));
  EXPECT_EQ(saved_name("KL-5.json"), "KL-4(东跨)");
  EXPECT_EQ(window_->report_info().member, "KL-4(东跨)");
}

struct LimitCase {
  const char* title;
  const char* typed;
  bool accepted;
};

void PrintTo(const LimitCase& typed, std::ostream* out) { *out << '"' << typed.typed << '"'; }

class CrackLimitTyped : public ReportInfoTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(CrackLimitTyped, IsAPositiveNumberOrEmpty) {
  edit({"", "", GetParam().typed});
  press(Qt::Key_Return);
  EXPECT_EQ(dialog() == nullptr, GetParam().accepted);
  if (GetParam().accepted) return;
  auto* problem = dialog()->findChild<QLabel*>("problem");
  EXPECT_TRUE(problem->isVisible());
  EXPECT_EQ(problem->text(), "裂缝宽度限值[w]应为正数(mm)，或留空取默认值");
  EXPECT_EQ(window_->report_info(), ReportInfo{});
}

INSTANTIATE_TEST_SUITE_P(Typed, CrackLimitTyped,
                         ::testing::Values(LimitCase{"Decimal", "0.2", true},
                                           LimitCase{"Empty", "", true},
                                           LimitCase{"Zero", "0", false},
                                           LimitCase{"WithUnit", "0.2mm", false}),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(ReportInfoTest, SavingAndPrintingTheReportFirstConfirmTheInformation) {
  calculate();
  click("save_report_button");
  ASSERT_NE(dialog(), nullptr);
  press(Qt::Key_Escape);
  EXPECT_EQ(window_->findChild<QFileDialog*>(), nullptr);

  click("save_report_button");
  press(Qt::Key_Return);
  auto* save = window_->findChild<QFileDialog*>();
  ASSERT_NE(save, nullptr);
  EXPECT_TRUE(save->isVisible());
  save->reject();

  window_->action(WindowCommand::PrintReport)->trigger();
  press(Qt::Key_Return);
  auto* print = window_->findChild<QPrintDialog*>();
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->isVisible());
  print->reject();
}

}  // namespace
