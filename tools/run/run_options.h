// zorva-run's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorva::tools {

inline constexpr double kDefaultTimeoutSeconds = 10;
inline constexpr double kMaxTimeoutSeconds = 1'000'000;

struct RunOptions {
  std::optional<std::string> script;
  std::uint64_t ticks = 600;
  std::optional<std::string> png;
  std::optional<std::string> frames;
  std::optional<std::string> log;  // "-": standard output
  std::vector<std::string> answers;
  double timeout_seconds = kDefaultTimeoutSeconds;
  std::string program;
  std::vector<std::string> program_arguments;
};

// Fills `options` from the arguments (without zorva-run's own name); returns "" or what is
// wrong with them. `help` is set for --help, and nothing else is read then.
std::string parse_run_options(const std::vector<std::string>& arguments, RunOptions& options, bool& help);

}  // namespace zorva::tools
