// Platewise: sizes bonded steel plates for strengthening reinforced-concrete beams.
// `platewise COMMAND …` runs a command without a window; anything else opens the window.

#include "commands.h"
#include "window_launcher.h"

int main(int argc, char* argv[]) {
  if (argc > 1) {
    if (const platewise::Command* command = platewise::command_named(argv[1])) {
      return command->run(argc, argv);
    }
  }
  return platewise::launch_window(argc, argv);
}
