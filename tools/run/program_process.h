// Runs a program as a child process in its own process group, with standard input from
// /dev/null, and waits for it with a real-time deadline. SIGINT, SIGTERM and SIGHUP that
// reach zorva-run meanwhile are passed on to the program.
#pragma once

#include <string>
#include <vector>

namespace zorva::tools {

struct ProgramEnd {
  enum class How {
    kExited,      // `status` is its exit status
    kSignalled,   // `signal` ended it
    kTimedOut,    // killed at the deadline
    kNotStarted,  // `error` (an errno value) says why it could not be started
  };
  How how = How::kNotStarted;
  int status = 0;
  int signal = 0;
  int error = 0;
};

struct ProgramLaunch {
  std::string path;                       // what to execute
  std::vector<std::string> arguments;     // argv, the program's name first
  std::vector<std::string> environment;   // NAME=value
  std::string working_directory;
  double timeout_seconds = 10;
};

ProgramEnd run_program(const ProgramLaunch& launch);

}  // namespace zorva::tools
