#pragma once
// The program's parts that need Qt's GUI libraries (the window, the report
// command) are modules, loaded only when wanted, so that `platewise calc`
// starts as fast as a plain QtCore program.

namespace platewise {

// Loads the module `name` (beside the program in the build, in the program's
// library folder once installed) and returns what its entry point `entry`,
// an `int (int* argc, char** argv)`, returns. Says why on standard error and
// returns 1 when the module cannot be loaded.
int run_in_module(const char* name, const char* entry, int argc, char* argv[]);

}  // namespace platewise
