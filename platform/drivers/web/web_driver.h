// The web driver: each shown top-level window is a canvas of the page, input comes from the
// page's DOM listeners, and waiting gives the browser its thread back until input or a
// deadline (the wait is resumed from JavaScript under Asyncify). The page's side of every
// operation is in page.js.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/driver/driver.h"
#include "platform/win32.h"

namespace zorva::platform {

// The page's "screen": the drawing window (601x540) at the top and the text window the
// package puts along the lower third right under it, as wide as the drawing window.
inline constexpr int kWebScreenWidth = 601;
inline constexpr int kWebScreenHeight = 810;

class WebDriver final : public Driver {
 public:
  WebDriver();
  ~WebDriver() override;

  bool open_window(Window& window) override;
  void close_window(Window& window) override;
  void set_title(Window& window) override;
  void present(Window& window, const FrameView& frame) override;
  void poll_input() override;
  // Always true: the person at the page can always click or type.
  bool wait_for_input(std::optional<std::uint64_t> deadline_ms) override;
  // Nothing to decide: the page stays open and its input can come at any time.
  void stalled(Stall) override {}
  int screen_width() override { return kWebScreenWidth; }
  int screen_height() override { return kWebScreenHeight; }
  std::uint64_t now_ms() override;
  text::GlyphSource& glyphs() override { return *glyphs_; }
  // The clipboard stays Driver's own, the program's alone: a page may read the browser's
  // only asynchronously and with the user's leave, which a program's paste cannot wait for.

 private:
  void handle(const std::int32_t* event);
  HWND hwnd_of(std::uint32_t os_window) const;

  std::uint32_t next_os_window_ = 1;
  double start_ms_ = 0;              // the page's clock when the driver started
  std::vector<std::uint32_t> rgba_;  // the pixels being presented, in the canvas's byte order
  std::unique_ptr<text::GlyphSource> glyphs_;
};

}  // namespace zorva::platform
