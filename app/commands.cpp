#include "commands.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>

#include "calc_command.h"
#include "headless_command.h"
#include "module_loader.h"
#include "qt_chinese.h"
#include "report_command_line.h"

namespace platewise {
namespace {

// Every table stays open from its check to its computation (BeamSources):
// as many files as the system lets this program open, not only the usual
// first 1024.
void allow_many_open_files() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
  }
}

int calc(int argc, char* argv[]) {
  guard_standard_streams();
  allow_many_open_files();
  QCoreApplication app(argc, argv);
  use_chinese_qt_texts();
  QFile err;
  err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
  return run_calc(QCoreApplication::arguments(), {STDOUT_FILENO, err});
}

int report(int argc, char* argv[]) {
  guard_standard_streams();
  allow_many_open_files();
  {
    // Help and a command line that cannot be used are answered here, before
    // any part of Qt's GUI library is loaded or started; the module reads
    // the command line again, in its own application.
    QCoreApplication app(argc, argv);
    use_chinese_qt_texts();
    QFile err;
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    ReportCommandLine line;
    if (const std::optional<int> done =
            read_report_command_line(QCoreApplication::arguments(), {STDOUT_FILENO, err}, line)) {
      return *done;
    }
  }
  return run_in_module("platewise_report_command", "platewise_report_main", argc, argv);
}

constexpr Command kCommands[] = {
    {"calc",
     "不开窗口计算梁文件(.json)、工程文件(.pwproj)或梁表格(.csv、.xlsx)：platewise calc --help",
     calc},
    {"report", "把梁文件的计算书写成PDF、ODT、HTML或Word：platewise report --help", report},
};

}  // namespace

std::span<const Command> commands() { return kCommands; }

const Command* command_named(std::string_view name) {
  const auto it = std::ranges::find(kCommands, name, &Command::name);
  return it == std::end(kCommands) ? nullptr : &*it;
}

}  // namespace platewise
