// The in-memory backend: nothing is shown, and waiting moves the virtual clock.
#include "platform/backend/headless_backend.h"

#include "platform/testing/headless.h"

namespace zorva::platform {

bool HeadlessBackend::open_window(Window& window) {
  window.os_window = next_os_window_++;
  if (next_os_window_ == 0) next_os_window_ = 1;
  return true;
}

void HeadlessBackend::close_window(Window& window) { window.os_window = 0; }

void HeadlessBackend::wait_for_input(std::optional<std::uint64_t> deadline_ms) {
  if (feeder_) {
    // The feeder may end or replace itself; keep it alive while it runs.
    const std::function<bool()> feeder = feeder_;
    if (feeder()) return;
  }
  if (deadline_ms) {
    if (*deadline_ms > now_) now_ = *deadline_ms;
    return;
  }
  throw headless::WouldWaitForever(
      "the program waits for a message, but nothing is queued, no timer runs and no idle "
      "feeder supplies input: it would wait forever");
}

void HeadlessBackend::reset() {
  now_ = 0;
  next_os_window_ = 1;
  presents_ = 0;
  feeder_ = nullptr;
}

HeadlessBackend& headless_backend() {
  static HeadlessBackend backend;
  return backend;
}

}  // namespace zorva::platform
