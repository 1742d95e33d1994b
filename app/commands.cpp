#include "commands.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>

#include "calc_command.h"
#include "module_loader.h"

namespace platewise {
namespace {

int calc(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QFile out, err;
  out.open(stdout, QIODevice::WriteOnly);
  err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
  return run_calc(QCoreApplication::arguments(), out, err);
}

int report(int argc, char* argv[]) {
  return run_in_module("platewise_report_command", "platewise_report_main", argc, argv);
}

constexpr Command kCommands[] = {
    {"calc", "不开窗口计算梁文件(.json)或梁表格(.csv)：platewise calc --help", calc},
    {"report", "把梁文件的计算书写成PDF、ODT、HTML或Word：platewise report --help", report},
};

}  // namespace

std::span<const Command> commands() { return kCommands; }

const Command* command_named(std::string_view name) {
  const auto it = std::ranges::find(kCommands, name, &Command::name);
  return it == std::end(kCommands) ? nullptr : &*it;
}

}  // namespace platewise
