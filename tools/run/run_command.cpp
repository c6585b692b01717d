// zorva-run: its help, the files it prepares, the program's environment and how it ended.
#include "tools/run/run_command.h"

#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <system_error>

#include "tools/run/program_process.h"
#include "tools/run/run_options.h"

extern char** environ;

namespace zorva::tools {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHelp =
    R"(Usage: zorva-run [--script FILE] [--ticks N] [--png FILE] [--frames DIR] [--log FILE]
                 [--answer TEXT]... [--timeout SECONDS] PROGRAM [ARGS...]

Runs a built ZORVA program without a display, on the headless driver and its virtual
clock (time jumps ahead whenever the program waits), in a private working folder that is
removed afterwards. The program is run as it is: nothing is recompiled or changed.

  --script FILE     plays FILE (a recorded ZORVA.SCR) from the start, as if Ctrl+P had
                    been pressed right after ZORVA_start. FILE itself is never written:
                    the program finds a copy of it as ZORVA.SCR in its working folder.
  --ticks N         asks the program to quit, as the close box does, once its drawing
                    window has had N ticks of the 100 ms timer (default 600: a virtual
                    minute), so an animation ends too
  --png FILE        writes the drawing window's client area, as it was last shown, to
                    FILE when the program ends (by ZORVA_finish and returning, or by exit)
  --frames DIR      writes DIR/frame-00001.png, frame-00002.png, ... : one for each
                    changed picture the drawing window shows, so one for each event after
                    which the program drew something (an event that changes nothing gives
                    no frame); frames of an earlier run in DIR are removed first
  --log FILE        writes every line of the text window to FILE, one per line, in order
                    (- : to standard output, after the program has ended)
  --answer TEXT     answers the next prompt (ZORVA_gets) by typing TEXT and Return; give
                    it once per prompt. A prompt with no answer left gets Return alone, an
                    empty answer, and a line in the log saying so.
  --timeout SECONDS kills a program that has not ended after SECONDS of real time
                    (default 10)
  --help            shows this text

The run ends by itself when nothing more can happen: once the script (if any) is played
and nothing has been drawn and no input given for five virtual seconds, the program is
asked to quit as from the close box and finishes normally. A program that goes on waiting
even then is ended (status 124).

Two runs of the same program with the same options give byte-identical pictures and
logs, unless the program reads the real clock: one that seeds its random numbers from
time() (as the shooter does) differs from run to run.

Exit status: the program's own; 124 when it was killed at the timeout, or went on after
it was asked to quit; 128 + N when signal N ended it (a crash), with a line naming the
signal; 125 for wrong arguments or a file zorva-run cannot read or write; 126 when
PROGRAM cannot be executed, 127 when it is not found.
)";

// The program to execute: a name without a slash is looked for on PATH, like a shell does.
// Returns the path, or "" with `error` set.
std::string find_program(const std::string& program, int& error) {
  const auto executable = [&](const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
      error = errno;
      return false;
    }
    if (S_ISDIR(info.st_mode) || access(path.c_str(), X_OK) != 0) {
      error = EACCES;
      return false;
    }
    return true;
  };
  if (program.find('/') != std::string::npos) return executable(program) ? fs::absolute(program).string() : "";
  const char* path_variable = std::getenv("PATH");
  std::stringstream folders(path_variable ? path_variable : "/usr/local/bin:/usr/bin:/bin");
  int first_error = ENOENT;
  for (std::string folder; std::getline(folders, folder, ':');) {
    const std::string candidate = (folder.empty() ? fs::current_path() : fs::absolute(folder)).string() + "/" + program;
    if (executable(candidate)) return candidate;
    if (error == EACCES) first_error = EACCES;
  }
  error = first_error;
  return "";
}

// A private folder, removed when the run is over.
class RunFolder {
 public:
  bool make(std::string& why) {
    const char* temporary = std::getenv("TMPDIR");
    std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/zorva-run-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      why = "cannot make a working folder in " + fs::path(pattern).parent_path().string() + ": " + std::strerror(errno);
      return false;
    }
    path_ = pattern;
    std::error_code error;
    fs::create_directory(work(), error);
    if (error) {
      why = "cannot make a working folder in " + path_.string() + ": " + error.message();
      return false;
    }
    return true;
  }
  ~RunFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  fs::path work() const { return path_ / "work"; }
  fs::path log() const { return path_ / "log"; }

 private:
  fs::path path_;
};

// Makes sure FILE can be written, and removes what an earlier run left there, so that an old
// picture is never taken for this run's.
bool prepare_output_file(const fs::path& file, bool keep_empty, const std::string& what, std::string& why) {
  std::ofstream probe(file, std::ios::binary | std::ios::trunc);
  if (!probe) {
    why = "cannot write the " + what + " " + file.string() + ": " + std::strerror(errno);
    return false;
  }
  probe.close();
  if (!keep_empty) {
    std::error_code ignored;
    fs::remove(file, ignored);
  }
  return true;
}

bool prepare_frames_folder(const fs::path& folder, std::string& why) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!error && access(folder.c_str(), W_OK) != 0) error = std::error_code(errno, std::generic_category());
  if (error) {
    why = "cannot write frames in " + folder.string() + ": " + error.message();
    return false;
  }
  static const std::regex kFrameName("frame-[0-9]{5,}\\.png");
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (std::regex_match(entry.path().filename().string(), kFrameName)) fs::remove(entry.path(), error);
  }
  return true;
}

bool copy_script(const fs::path& script, const fs::path& work, std::string& why) {
  std::ifstream in(script, std::ios::binary);
  if (!in) {
    why = "cannot read the script " + script.string() + ": " + std::strerror(errno);
    return false;
  }
  std::ofstream copy(work / "ZORVA.SCR", std::ios::binary);
  copy << in.rdbuf();
  if (!copy.flush()) {
    why = "cannot copy the script " + script.string() + " into the working folder";
    return false;
  }
  return true;
}

// The program's environment: zorva-run's, less any driver choice or run settings of its
// own, plus the headless driver and this run's settings.
std::vector<std::string> program_environment(const RunOptions& options, const std::string& png,
                                             const std::string& frames, const std::string& log) {
  std::vector<std::string> environment;
  for (char** entry = environ; entry && *entry; ++entry) {
    const std::string_view variable = *entry;
    if (variable.starts_with("ZORVA_RUN_") || variable.starts_with("ZORVA_BACKEND=")) continue;
    environment.emplace_back(variable);
  }
  environment.push_back("ZORVA_BACKEND=headless");
  environment.push_back("ZORVA_RUN_TICKS=" + std::to_string(options.ticks));
  if (options.script) environment.push_back("ZORVA_RUN_PLAYBACK=1");
  if (!png.empty()) environment.push_back("ZORVA_RUN_PNG=" + png);
  if (!frames.empty()) environment.push_back("ZORVA_RUN_FRAMES=" + frames);
  if (!log.empty()) environment.push_back("ZORVA_RUN_LOG=" + log);
  environment.push_back("ZORVA_RUN_ANSWERS=" + std::to_string(options.answers.size()));
  for (std::size_t i = 0; i < options.answers.size(); ++i)
    environment.push_back("ZORVA_RUN_ANSWER_" + std::to_string(i + 1) + "=" + options.answers[i]);
  return environment;
}

std::string seconds_text(double seconds) {
  std::ostringstream text;
  text << seconds << (seconds == 1 ? " second" : " seconds");
  return text.str();
}

std::string signal_text(int signal_number) {
  const char* abbreviation = sigabbrev_np(signal_number);
  const char* description = strsignal(signal_number);
  std::string text = abbreviation ? std::string("SIG") + abbreviation : "signal " + std::to_string(signal_number);
  if (description) text += std::string(" (") + description + ")";
  return text;
}

}  // namespace

int run_command(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  RunOptions options;
  bool help = false;
  const std::string problem = parse_run_options(arguments, options, help);
  if (help) {
    out << kHelp;
    return 0;
  }
  const auto fail = [&](const std::string& why, int status) {
    err << "zorva-run: " << why << "\n";
    return status;
  };
  if (!problem.empty()) return fail(problem + "\nTry 'zorva-run --help'.", kRunFailed);

  int find_error = 0;
  const std::string program = find_program(options.program, find_error);
  if (program.empty()) {
    return fail("cannot run " + options.program + ": " + std::strerror(find_error),
                find_error == ENOENT ? kProgramNotFound : kCannotExecute);
  }

  RunFolder folder;
  std::string why;
  if (!folder.make(why)) return fail(why, kRunFailed);
  if (options.script && !copy_script(*options.script, folder.work(), why)) return fail(why, kRunFailed);

  // Paths as the program, in its own working folder, must see them.
  std::string png, frames, log;
  if (options.png) {
    png = fs::absolute(*options.png).string();
    if (!prepare_output_file(png, false, "picture", why)) return fail(why, kRunFailed);
  }
  if (options.frames) {
    frames = fs::absolute(*options.frames).string();
    if (!prepare_frames_folder(frames, why)) return fail(why, kRunFailed);
  }
  const bool log_to_output = options.log && *options.log == "-";
  if (options.log) {
    log = log_to_output ? folder.log().string() : fs::absolute(*options.log).string();
    if (!prepare_output_file(log, true, "log", why)) return fail(why, kRunFailed);
  }

  ProgramLaunch launch;
  launch.path = program;
  launch.arguments.push_back(options.program);
  launch.arguments.insert(launch.arguments.end(), options.program_arguments.begin(), options.program_arguments.end());
  launch.environment = program_environment(options, png, frames, log);
  launch.working_directory = folder.work().string();
  launch.timeout_seconds = options.timeout_seconds;
  const ProgramEnd end = run_program(launch);

  if (log_to_output) {
    std::ifstream lines(log, std::ios::binary);
    out << lines.rdbuf();
    out.flush();
  }
  switch (end.how) {
    case ProgramEnd::How::kExited:
      return end.status;
    case ProgramEnd::How::kSignalled:
      return fail(options.program + " was ended by " + signal_text(end.signal), 128 + end.signal);
    case ProgramEnd::How::kTimedOut:
      return fail(options.program + " did not end within " + seconds_text(options.timeout_seconds) + ": it was killed",
                  kRunTimedOut);
    case ProgramEnd::How::kNotStarted:
      break;
  }
  return fail("cannot run " + options.program + ": " + std::strerror(end.error),
              end.error == ENOENT ? kProgramNotFound : kCannotExecute);
}

}  // namespace zorva::tools
