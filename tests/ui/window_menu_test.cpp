// The menu bar: every command with its shortcut, the list of recent files,
// quitting, help and about. report_group_test.cpp clicks the report buttons.
// The tests trigger the actions, as a click on a menu entry does.

#include "window_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTextBrowser>

#include "program_version.h"
#include "window_fixture.h"

namespace {

using platewise::WindowCommand;

TEST_F(WindowTest, MenuBarNamesEveryCommandWithItsShortcut) {
  QStringList lines;
  for (QAction* menu : window_->menu().actions()) {
    lines << menu->text();
    for (QAction* entry : menu->menu()->actions()) {
      const QString keys = entry->shortcut().toString();
      lines << (entry->isSeparator() ? "  ----"
                                     : "  " + entry->text() + (keys.isEmpty() ? "" : "  " + keys));
    }
  }
  EXPECT_EQ(lines.join('\n'),
            "文件(&F)\n"
            "  打开(&O)…  Ctrl+O\n"
            "  最近打开(&R)\n"
            "  ----\n"
            "  保存(&S)  Ctrl+S\n"
            "  另存为(&A)…  Ctrl+Shift+S\n"
            "  ----\n"
            "  新建工程(&N)\n"
            "  打开工程(&J)…\n"
            "  保存工程(&V)\n"
            "  另存工程为(&W)…\n"
            "  ----\n"
            "  计算书信息(&I)…\n"
            "  保存计算书(&E)…\n"
            "  打印计算书(&P)…  Ctrl+P\n"
            "  预览计算书(&Y)\n"
            "  ----\n"
            "  退出(&X)  Ctrl+Q\n"
            "帮助(&H)\n"
            "  使用说明(&H)  F1\n"
            "  ----\n"
            "  关于 Platewise(&A)");
}

TEST_F(WindowTest, QuitClosesTheWindow) {
  window_->action(WindowCommand::Quit)->trigger();
  EXPECT_TRUE(window_->isHidden());
}

TEST_F(WindowTest, HelpComesOnceAndNamesTheRecentFilesAndCalc) {
  window_->action(WindowCommand::ShowHelp)->trigger();
  window_->action(WindowCommand::ShowHelp)->trigger();
  const auto helps = window_->findChildren<QTextBrowser*>("help_window");
  ASSERT_EQ(helps.size(), 1);
  EXPECT_TRUE(helps[0]->isVisible());
  EXPECT_EQ(helps[0]->windowTitle(), "使用说明 - Platewise1.0");
  // What the help says that the program must keep true.
  for (const char* part :
       {"“文件 ▸ 最近打开”列出最近的8个梁文件", "计算锚固长度(mm)：钢板在梁端所需的锚固长度",
        "注意（取整）：只因钢板宽度向下取整到毫米", "PDF、Word(.docx)、ODT或HTML",
        "platewise calc KL-1.json：不开窗口计算梁文件、工程文件(.pwproj)或梁表格(.csv、.xlsx)"}) {
    EXPECT_TRUE(helps[0]->toPlainText().contains(QString::fromUtf8(part))) << part;
  }
}

TEST_F(WindowTest, AboutNamesVersionLicenceCodeAndQt) {
  window_->action(WindowCommand::ShowAbout)->trigger();
  auto* about = window_->findChild<QMessageBox*>("about_box");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(about->windowTitle(), "关于 Platewise");
  EXPECT_EQ(
      about->text(),
      QString("<b>Platewise %1</b><br>粘贴钢板加固混凝土梁的计算").arg(platewise::kProgramVersion));
  EXPECT_EQ(about->informativeText(),
            QString("计算依据：混凝土结构加固技术规范(CECS 25:90)<br>许可：MIT<br>Qt %1")
                .arg(qVersion()));
}

class RecentFilesTest : public WindowTest {
 protected:
  // The entries of 最近打开 as it shows them.
  QList<QAction*> entries() const {
    QMenu* menu = window_->menu().recent_files();
    emit menu->aboutToShow();
    return menu->actions();
  }
  QString listed() const {
    QStringList texts;
    for (QAction* entry : entries()) texts << entry->text();
    return texts.join('|').replace(QDir::toNativeSeparators(dir_.path()), "DIR");
  }
};

TEST_F(RecentFilesTest, FilesOpenedOrSavedComeFirstAndEightAreKept) {
  EXPECT_EQ(listed(), "（无）");
  EXPECT_FALSE(entries().front()->isEnabled());
  for (int i = 1; i <= 9; ++i) ASSERT_TRUE(files().save_to(path(QString("KL-%1.json").arg(i))));
  ASSERT_TRUE(files().open(path("KL-5.json")));
  EXPECT_EQ(listed(),
            "&1 KL-5.json  (DIR)|&2 KL-9.json  (DIR)|&3 KL-8.json  (DIR)|&4 KL-7.json  (DIR)|"
            "&5 KL-6.json  (DIR)|&6 KL-4.json  (DIR)|&7 KL-3.json  (DIR)|&8 KL-2.json  (DIR)");
}

TEST_F(RecentFilesTest, EntryOpensItsFileInTheNextRun) {
  type_into("beam_width", "310");
  ASSERT_TRUE(files().save_to(path("KL-1.json")));
  start();  // the program started again
  ASSERT_EQ(text("beam_width"), "250");
  entries().front()->trigger();
  EXPECT_EQ(text("beam_width"), "310");
  EXPECT_EQ(caption(), "KL-1.json - Platewise1.0");
}

TEST_F(RecentFilesTest, FileGoneIsSaidSoAndLeftOutOfTheList) {
  ASSERT_TRUE(files().save_to(path("a.json")));
  ASSERT_TRUE(files().save_to(path("b&c.json")));
  ASSERT_TRUE(QFile::remove(path("a.json")));
  entries().at(1)->trigger();
  EXPECT_EQ(box_text(), QString("“%1”已不存在，已从最近打开的文件中去掉").arg(path("a.json")));
  EXPECT_EQ(listed(), "&1 b&&c.json  (DIR)");  // an ampersand of the name, shown as one
  EXPECT_EQ(caption(), "b&c.json - Platewise1.0");
}

}  // namespace
