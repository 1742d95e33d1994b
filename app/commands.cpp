#include "commands.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>

#include "calc_command.h"

namespace platewise {
namespace {

int calc(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QFile out, err;
  out.open(stdout, QIODevice::WriteOnly);
  err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
  return run_calc(QCoreApplication::arguments(), out, err);
}

constexpr Command kCommands[] = {
    {"calc", "不开窗口计算梁文件(.json)或梁表格(.csv)：platewise calc --help", calc},
};

}  // namespace

std::span<const Command> commands() { return kCommands; }

const Command* command_named(std::string_view name) {
  const auto it = std::ranges::find(kCommands, name, &Command::name);
  return it == std::end(kCommands) ? nullptr : &*it;
}

}  // namespace platewise
