// zorva-run: runs a built ZORVA program on the headless driver, plays a script against it,
// and keeps its picture, frames and log.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zorva::tools {

// Exit statuses of zorva-run's own (otherwise the program's status is passed on, and a
// program ended by a signal gives 128 + the signal's number).
inline constexpr int kRunTimedOut = 124;
inline constexpr int kRunFailed = 125;       // bad arguments, or a file zorva-run cannot use
inline constexpr int kCannotExecute = 126;
inline constexpr int kProgramNotFound = 127;

// Runs the command on its arguments (without the tool's name). The log for "--log -" goes to
// `out` once the program has ended; zorva-run's own lines go to `err`.
int run_command(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace zorva::tools
