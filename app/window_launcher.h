#pragma once
// `platewise [FILE.json]`: opens the window. Its code, and Qt's GUI libraries
// with it, are loaded only now, so that the commands start as fast as a
// plain QtCore program. `--help` and `--version` are answered without them.

namespace platewise {

// The exit status.
int launch_window(int argc, char* argv[]);

}  // namespace platewise
