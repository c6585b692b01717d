// The ending rules of a headless run.
#include "platform/runner/run_ending.h"

namespace zorva::platform::runner {

RunEnding::Step RunEnding::ask(std::uint64_t now_ms) {
  asked_at_ms_ = now_ms;
  return Step::kAskToQuit;
}

RunEnding::Step RunEnding::waiting(std::uint64_t now_ms, std::uint64_t ticks) {
  if (asked_at_ms_) {
    // Only a zorva-run run ends a program that goes on after the request.
    if (tick_limit_ && now_ms - *asked_at_ms_ >= kIdleLimitMs) return Step::kEnd;
    return Step::kGoOn;
  }
  if (tick_limit_ && ticks >= *tick_limit_) return ask(now_ms);
  if (now_ms >= last_activity_ms_ && now_ms - last_activity_ms_ >= kIdleLimitMs) return ask(now_ms);
  return Step::kGoOn;
}

RunEnding::Step RunEnding::stalled(std::uint64_t now_ms) {
  if (!asked_at_ms_) return ask(now_ms);
  return Step::kEnd;
}

}  // namespace zorva::platform::runner
