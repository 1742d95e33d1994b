#include "process_cost.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

extern char** environ;

ProcessCost run_to_exit(const std::string& program, bool quiet, int status) {
  return run_to_exit(std::vector<std::string>{program}, quiet, status);
}

ProcessCost run_to_exit(const std::vector<std::string>& command, bool quiet, int expected) {
  const std::string& program = command.front();
  posix_spawn_file_actions_t output;
  posix_spawn_file_actions_init(&output);
  if (quiet) {
    posix_spawn_file_actions_addopen(&output, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&output, STDOUT_FILENO, STDERR_FILENO);
  }
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  const int error = posix_spawn(&pid, program.c_str(), &output, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&output);
  if (error != 0) {
    throw std::runtime_error("cannot start " + program + ": " + std::strerror(error));
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR)
      throw std::runtime_error("wait4 failed: " + std::string(std::strerror(errno)));
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != expected) {
    throw std::runtime_error(program + " did not exit cleanly (wait status " +
                             std::to_string(status) + ")");
  }
  return {elapsed.count(), usage.ru_maxrss};
}
