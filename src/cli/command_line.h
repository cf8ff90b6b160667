#pragma once

namespace vinylix {

// Runs the command line ("vinylix list --html", "vinylix --help") without any window or
// display, and returns the exit status: 0 done, 1 the work failed, 2 a wrong command line.
int run_command_line(int argc, char** argv);

} // namespace vinylix
