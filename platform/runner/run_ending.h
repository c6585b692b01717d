// When a headless run ends by itself. A program's tick timer keeps the virtual clock moving
// even while the program waits for nothing, so "nothing more can happen" is read from what
// the program shows: once nothing has been shown and no input given for kIdleLimitMs of
// virtual time, the program is asked to quit, as from the close box. Under zorva-run it is
// also asked once the drawing window has had its tick limit of timer messages, and a program
// that still waits kIdleLimitMs after being asked is ended.
#pragma once

#include <cstdint>
#include <optional>

namespace zorva::platform::runner {

inline constexpr std::uint64_t kIdleLimitMs = 5000;

class RunEnding {
 public:
  enum class Step {
    kGoOn,      // let the wait go on
    kAskToQuit, // ask the program to quit, as from the close box
    kEnd,       // the program ignored the request: end it
  };

  // Without a tick limit (a plain headless run) the program is asked to quit once, when it
  // has been idle, and is never ended here.
  explicit RunEnding(std::optional<std::uint64_t> tick_limit) : tick_limit_(tick_limit) {}

  // Something was shown, or input was given.
  void activity(std::uint64_t now_ms) { last_activity_ms_ = now_ms; }
  // The program waits for a message; `ticks` timer messages have reached its main window.
  Step waiting(std::uint64_t now_ms, std::uint64_t ticks);
  // The program waits and nothing at all can end its wait.
  Step stalled(std::uint64_t now_ms);

  bool asked_to_quit() const { return asked_at_ms_.has_value(); }

 private:
  Step ask(std::uint64_t now_ms);

  std::optional<std::uint64_t> tick_limit_;
  std::uint64_t last_activity_ms_ = 0;
  std::optional<std::uint64_t> asked_at_ms_;
};

}  // namespace zorva::platform::runner
