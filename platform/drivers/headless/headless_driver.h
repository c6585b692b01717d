// The headless driver: no OS windows (framebuffers stay in memory and can be read), and a
// virtual clock that moves only when the program waits. It serves tests and running any
// program without a display; for a program (not for the test controls) it reports waits,
// stalls and presents to the program runner (platform/runner/).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/driver/driver.h"

namespace zorva::platform {

class HeadlessDriver final : public Driver {
 public:
  HeadlessDriver();
  ~HeadlessDriver() override;

  bool open_window(Window& window) override;
  void close_window(Window& window) override;
  void set_title(Window&) override {}
  void present(Window& window, const FrameView& frame) override;
  void poll_input() override {}
  // Asks the idle feeder first; else jumps the clock to the deadline; false without one.
  bool wait_for_input(std::optional<std::uint64_t> deadline_ms) override;
  // Without a stall policy: the first stall asks the program to quit, as the close box
  // would; a second one ends the process with one line saying why.
  void stalled(Stall why) override;
  // The screen of a desktop without a display of its own (the size Wine's null display
  // reports), so that a program's windows get the sizes they get there.
  int screen_width() override { return 1024; }
  int screen_height() override { return 768; }
  std::uint64_t now_ms() override { return now_; }
  bool real_time() const override { return false; }
  // The clipboard is the driver's own, in memory (Driver's).
  text::GlyphSource& glyphs() override { return *glyphs_; }

  // Moves the virtual clock forward.
  void advance(std::uint64_t ms) { now_ += ms; }
  // Called when the program would wait; it may report input or move time and returns true
  // if it did.
  void set_idle_feeder(std::function<bool()> feeder) { feeder_ = std::move(feeder); }
  // Replaces what a stall does (none: the default above).
  void set_stall_policy(std::function<void(Stall)> policy) { stall_policy_ = std::move(policy); }
  // Hears of every present: the window and the pixels it shows.
  void set_present_observer(std::function<void(const Window&, const FrameView&)> observer) {
    present_observer_ = std::move(observer);
  }
  std::uint64_t presents() const { return presents_; }

 private:
  std::uint64_t now_ = 0;
  std::uint32_t next_os_window_ = 1;
  std::uint64_t presents_ = 0;
  bool quit_requested_ = false;
  std::function<bool()> feeder_;
  std::function<void(Stall)> stall_policy_;
  std::function<void(const Window&, const FrameView&)> present_observer_;
  std::unique_ptr<text::GlyphSource> glyphs_;
};

// The driver in use as the headless one; nullptr while another driver is in use.
HeadlessDriver* headless_driver();

}  // namespace zorva::platform
