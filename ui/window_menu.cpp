#include "window_menu.h"

#include <QAction>
#include <QMenu>
#include <span>

#include "design_fonts.h"

namespace platewise {
namespace {

using enum WindowCommand;

struct MenuEntry {
  WindowCommand command;
  const char* name;  // the action's object name
  const char* text;
  QKeyCombination keys;  // Qt::Key_unknown: none
  bool separator_before = false;
};

constexpr QKeyCombination kNoKeys = Qt::Key_unknown;

// 文件(F); 最近打开 follows 打开.
constexpr MenuEntry kFileMenu[] = {
    {OpenFile, "open_file", "打开(&O)…", Qt::CTRL | Qt::Key_O},
    {SaveFile, "save_file", "保存(&S)", Qt::CTRL | Qt::Key_S, true},
    {SaveFileAs, "save_file_as", "另存为(&A)…", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {NewProject, "new_project", "新建工程(&N)", kNoKeys, true},
    {OpenProject, "open_project", "打开工程(&J)…", kNoKeys},
    {SaveProject, "save_project", "保存工程(&V)", kNoKeys},
    {SaveProjectAs, "save_project_as", "另存工程为(&W)…", kNoKeys},
    {EditReportInfo, "edit_report_info", "计算书信息(&I)…", kNoKeys, true},
    {SaveReport, "save_report", "保存计算书(&E)…", kNoKeys},
    {PrintReport, "print_report", "打印计算书(&P)…", Qt::CTRL | Qt::Key_P},
    {PreviewReport, "preview_report", "预览计算书(&Y)", kNoKeys},
    {Quit, "quit", "退出(&X)", Qt::CTRL | Qt::Key_Q, true},
};

// 帮助(H)
constexpr MenuEntry kHelpMenu[] = {
    {ShowHelp, "show_help", "使用说明(&H)", Qt::Key_F1},
    {ShowAbout, "show_about", "关于 Platewise(&A)", kNoKeys, true},
};

}  // namespace

WindowMenu::WindowMenu(QWidget& window) : QMenuBar(&window) {
  setObjectName(QStringLiteral("menu_bar"));
  // The design's own face and size; a menu, a window of its own, takes no font from its parent.
  const QFont font = design_font(window_design::Font::Normal);
  setFont(font);
  const auto add_menu = [&](const char* title, std::span<const MenuEntry> entries) {
    QMenu* menu = addMenu(QString::fromUtf8(title));
    menu->setFont(font);
    for (const MenuEntry& entry : entries) {
      if (entry.separator_before) menu->addSeparator();
      QAction* action = menu->addAction(QString::fromUtf8(entry.text));
      action->setObjectName(QString::fromUtf8(entry.name));
      if (entry.keys != kNoKeys) action->setShortcut(entry.keys);
      actions_.emplace(entry.command, action);
      if (entry.command == OpenFile) {
        recent_files_ = menu->addMenu(QStringLiteral("最近打开(&R)"));
        recent_files_->setFont(font);
        recent_files_->setToolTipsVisible(true);
      }
    }
  };
  add_menu("文件(&F)", kFileMenu);
  add_menu("帮助(&H)", kHelpMenu);
}

}  // namespace platewise
