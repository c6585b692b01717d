// Reading zorva-run's options: they come before PROGRAM; what follows PROGRAM is its own.
#include "tools/run/run_options.h"

#include <charconv>
#include <cmath>

#include "platform/runner/run_settings.h"

namespace zorva::tools {
namespace {

using platform::runner::kMaxTickLimit;

const char* const kValueOptions[] = {"--script", "--ticks", "--png", "--frames", "--log", "--answer", "--timeout"};

bool takes_value(const std::string& option) {
  for (const char* known : kValueOptions)
    if (option == known) return true;
  return false;
}

std::string set_option(const std::string& option, const std::string& value, RunOptions& options) {
  if (value.empty() && option != "--answer") return option + " needs a value";  // an answer may be empty
  if (option == "--script") {
    options.script = value;
  } else if (option == "--png") {
    options.png = value;
  } else if (option == "--frames") {
    options.frames = value;
  } else if (option == "--log") {
    options.log = value;
  } else if (option == "--answer") {
    if (!platform::runner::is_typeable_answer(value))
      return "--answer takes one line of at most " + std::to_string(platform::runner::kMaxAnswerLength) +
             " characters, without control characters such as tabs or line breaks";
    options.answers.push_back(value);
  } else if (option == "--ticks") {
    std::uint64_t ticks = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), ticks);
    if (error != std::errc{} || end != value.data() + value.size() || ticks < 1 || ticks > kMaxTickLimit)
      return "--ticks wants a whole number from 1 to " + std::to_string(kMaxTickLimit) + ", not '" + value + "'";
    options.ticks = ticks;
  } else {
    double seconds = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
    if (error != std::errc{} || end != value.data() + value.size() || !std::isfinite(seconds) || seconds <= 0 ||
        seconds > kMaxTimeoutSeconds)
      return "--timeout wants a number of seconds above 0 and up to 1000000, not '" + value + "'";
    options.timeout_seconds = seconds;
  }
  return "";
}

}  // namespace

std::string parse_run_options(const std::vector<std::string>& arguments, RunOptions& options, bool& help) {
  std::size_t i = 0;
  for (; i < arguments.size(); ++i) {
    std::string argument = arguments[i];
    if (argument == "--") {
      ++i;
      break;
    }
    if (argument.size() < 2 || argument[0] != '-') break;  // PROGRAM
    if (argument == "--help" || argument == "-h") {
      help = true;
      return "";
    }
    // "--name value" and "--name=value" alike.
    std::optional<std::string> value;
    if (const auto equals = argument.find('='); equals != std::string::npos) {
      value = argument.substr(equals + 1);
      argument.resize(equals);
    }
    if (!takes_value(argument)) return "unknown option " + argument;
    if (!value) {
      if (i + 1 == arguments.size()) return argument + " needs a value";
      value = arguments[++i];
    }
    if (std::string problem = set_option(argument, *value, options); !problem.empty()) return problem;
  }
  if (i == arguments.size()) return "no PROGRAM to run";
  options.program = arguments[i];
  options.program_arguments.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1, arguments.end());
  if (options.program.empty()) return "no PROGRAM to run";
  return "";
}

}  // namespace zorva::tools
