#pragma once
// The commands that `platewise COMMAND …` runs without a window. Another
// command is another row of the table in commands.cpp.

#include <span>
#include <string_view>

namespace platewise {

struct Command {
  std::string_view name;               // "calc"
  std::string_view summary;            // one line for `platewise --help`
  int (*run)(int argc, char* argv[]);  // the exit status
};

std::span<const Command> commands();
// The command of that name, or nullptr.
const Command* command_named(std::string_view name);

}  // namespace platewise
