// fork, exec and a wait that sigtimedwait bounds; nothing but async-signal-safe calls in the
// child before exec.
#include "tools/run/program_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>

namespace zorva::tools {
namespace {

std::vector<char*> pointers_to(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  pointers.reserve(strings.size() + 1);
  for (const std::string& s : strings) pointers.push_back(const_cast<char*>(s.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// In the child: everything up to exec; on failure the errno goes up the pipe.
[[noreturn]] void become_program(const ProgramLaunch& launch, char* const* argv, char* const* envp,
                                 const sigset_t& original_mask, int error_pipe) {
  sigprocmask(SIG_SETMASK, &original_mask, nullptr);
  setpgid(0, 0);
  const int no_input = open("/dev/null", O_RDONLY);
  if (no_input >= 0 && no_input != STDIN_FILENO) {
    dup2(no_input, STDIN_FILENO);
    close(no_input);
  }
  if (chdir(launch.working_directory.c_str()) == 0) execve(launch.path.c_str(), argv, envp);
  const int error = errno;
  [[maybe_unused]] const ssize_t written = write(error_pipe, &error, sizeof error);
  _exit(127);
}

timespec as_timespec(std::chrono::nanoseconds left) {
  timespec t{};
  t.tv_sec = static_cast<time_t>(left.count() / 1'000'000'000);
  t.tv_nsec = static_cast<long>(left.count() % 1'000'000'000);
  return t;
}

}  // namespace

ProgramEnd run_program(const ProgramLaunch& launch) {
  ProgramEnd end;
  // Everything the child needs is made before fork: it must not allocate.
  std::vector<char*> argv = pointers_to(launch.arguments);
  std::vector<char*> envp = pointers_to(launch.environment);

  sigset_t watched;
  sigemptyset(&watched);
  for (int signal_number : {SIGCHLD, SIGINT, SIGTERM, SIGHUP}) sigaddset(&watched, signal_number);
  sigset_t original_mask;
  sigprocmask(SIG_BLOCK, &watched, &original_mask);

  int error_pipe[2];
  if (pipe2(error_pipe, O_CLOEXEC) != 0) {
    end.error = errno;
    sigprocmask(SIG_SETMASK, &original_mask, nullptr);
    return end;
  }
  const pid_t child = fork();
  if (child == 0) become_program(launch, argv.data(), envp.data(), original_mask, error_pipe[1]);
  close(error_pipe[1]);
  if (child < 0) {
    end.error = errno;
    close(error_pipe[0]);
    sigprocmask(SIG_SETMASK, &original_mask, nullptr);
    return end;
  }
  setpgid(child, child);  // as the child does itself: whichever runs first

  int exec_error = 0;
  ssize_t got;
  do {
    got = read(error_pipe[0], &exec_error, sizeof exec_error);
  } while (got < 0 && errno == EINTR);
  close(error_pipe[0]);

  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::duration<double>(launch.timeout_seconds));
  int status = 0;
  bool timed_out = false;
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) break;
    const auto left = deadline - std::chrono::steady_clock::now();
    if (left <= std::chrono::nanoseconds::zero()) {
      kill(-child, SIGKILL);
      kill(child, SIGKILL);
      while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
      }
      timed_out = true;
      break;
    }
    const timespec wait_for = as_timespec(left);
    const int received = sigtimedwait(&watched, nullptr, &wait_for);
    if (received == SIGINT || received == SIGTERM || received == SIGHUP) kill(-child, received);
  }
  // Signals that came after the program ended are dropped rather than let through.
  const timespec now{0, 0};
  while (sigtimedwait(&watched, nullptr, &now) > 0) {
  }
  sigprocmask(SIG_SETMASK, &original_mask, nullptr);

  if (got == static_cast<ssize_t>(sizeof exec_error)) {
    end.how = ProgramEnd::How::kNotStarted;
    end.error = exec_error;
  } else if (timed_out) {
    end.how = ProgramEnd::How::kTimedOut;
  } else if (WIFSIGNALED(status)) {
    end.how = ProgramEnd::How::kSignalled;
    end.signal = WTERMSIG(status);
  } else {
    end.how = ProgramEnd::How::kExited;
    end.status = WEXITSTATUS(status);
  }
  return end;
}

}  // namespace zorva::tools
