// The handler of SIGINT and SIGTERM. It may interrupt the program anywhere, so it touches
// only lock-free atomics, writes its one line with write(2) and ends with _exit: no stdio, no
// allocation, no exit handlers. Nothing recorded is lost by that: the script file pushes
// each line to disk as it is written.
//
// What the handler reads lives here at fixed addresses rather than in PlatformState, which
// a reset replaces while a signal may come at any moment.
#include "platform/driver/quit_signals.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>

#include "platform/driver/os_events.h"

namespace zorva::platform::quit_signals {
namespace {

std::atomic<int> signals_seen{0};       // SIGINT and SIGTERM received so far
std::atomic<int> pending_signal{0};     // one not yet delivered as a request to quit
std::atomic<int> waiting_depth{0};      // > 0 while the program waits for a message
std::atomic<std::int64_t> last_turn_ms{0};  // monotonic time of the last message turn
std::atomic<bool> installed{false};

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<std::int64_t>::is_always_lock_free &&
              std::atomic<bool>::is_always_lock_free);

// Milliseconds on the monotonic clock (real time even under the headless driver's virtual
// clock: a program stuck in a loop never moves virtual time). Safe in a signal handler.
std::int64_t monotonic_ms() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

template <std::size_t N>
void write_line(const char (&line)[N]) {
  // The line is short: one write gets it out, or nothing can.
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line, N - 1);
}

[[noreturn]] void end_at_once(int signal_number, bool again) {
  if (signal_number == SIGINT) {
    if (again)
      write_line("zorva: SIGINT again: the program ends at once\n");
    else
      write_line("zorva: SIGINT, and the program has taken no event for 2 seconds: it ends at once\n");
  } else {
    if (again)
      write_line("zorva: SIGTERM again: the program ends at once\n");
    else
      write_line("zorva: SIGTERM, and the program has taken no event for 2 seconds: it ends at once\n");
  }
  _exit(128 + signal_number);
}

void on_quit_signal(int signal_number) {
  const int saved_errno = errno;
  const bool again = signals_seen.fetch_add(1) > 0;
  const bool stuck = waiting_depth.load() == 0 && monotonic_ms() - last_turn_ms.load() >= kStuckAfterMs;
  if (again || stuck) end_at_once(signal_number, again);
  pending_signal.store(signal_number);
  errno = saved_errno;
}

}  // namespace

void install() {
  if (installed.exchange(true)) return;
  message_turn();
  struct sigaction action {};
  action.sa_handler = on_quit_signal;
  sigemptyset(&action.sa_mask);
  // Both signals are held while the handler runs, so two at once still count as two.
  sigaddset(&action.sa_mask, SIGINT);
  sigaddset(&action.sa_mask, SIGTERM);
  action.sa_flags = SA_RESTART;  // the program's own system calls go on undisturbed
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

void message_turn() { last_turn_ms.store(monotonic_ms()); }

WaitingForMessages::WaitingForMessages() { waiting_depth.fetch_add(1); }

WaitingForMessages::~WaitingForMessages() {
  message_turn();  // waking from a wait is a turn too
  waiting_depth.fetch_sub(1);
}

void deliver_pending() {
  if (pending_signal.exchange(0) != 0) os_events::quit_request();
}

}  // namespace zorva::platform::quit_signals
