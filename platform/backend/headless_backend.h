// The backend for tests: windows are framebuffers in memory, time is virtual and only moves
// when the program would wait or a test moves it.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/backend/backend.h"

namespace zorva::platform {

class HeadlessBackend final : public Backend {
 public:
  bool open_window(Window& window) override;
  void close_window(Window& window) override;
  void set_title(Window&) override {}
  void present(Window&) override { ++presents_; }
  void poll_input() override {}
  void wait_for_input(std::optional<std::uint64_t> deadline_ms) override;
  int screen_width() override { return 1280; }
  int screen_height() override { return 1024; }
  std::uint64_t now_ms() override { return now_; }

  void advance(std::uint64_t ms) { now_ += ms; }
  void set_idle_feeder(std::function<bool()> feeder) { feeder_ = std::move(feeder); }
  std::uint64_t presents() const { return presents_; }
  void reset();

 private:
  std::uint64_t now_ = 0;
  std::uint32_t next_os_window_ = 1;
  std::uint64_t presents_ = 0;
  std::function<bool()> feeder_;
};

HeadlessBackend& headless_backend();

}  // namespace zorva::platform
