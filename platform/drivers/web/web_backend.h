// The web driver: each shown top-level window is a canvas of the page, input comes from the
// page's DOM listeners, and waiting gives the browser its thread back until input or a
// deadline (the wait is resumed from JavaScript under Asyncify).
// Includes the platform's generic headers and emscripten's only; the page side lives in
// page.js.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/backend/backend.h"

namespace zorva::platform {

// The page's "screen": the drawing window (601x540) at the top and the text window the
// package puts along the lower third right under it, as wide as the drawing window.
inline constexpr int kWebScreenWidth = 601;
inline constexpr int kWebScreenHeight = 810;

class WebBackend final : public Backend {
 public:
  bool open_window(Window& window) override;
  void close_window(Window& window) override;
  void set_title(Window& window) override;
  void present(Window& window) override;
  void poll_input() override;
  void wait_for_input(std::optional<std::uint64_t> deadline_ms) override;
  int screen_width() override { return kWebScreenWidth; }
  int screen_height() override { return kWebScreenHeight; }
  std::uint64_t now_ms() override;

 private:
  void handle(const std::int32_t* event);
  void release_held_keys();
  HWND hwnd_of(std::uint32_t os_window) const;

  std::uint32_t next_os_window_ = 1;
  std::vector<std::uint32_t> rgba_;  // the pixels being presented, in the canvas's byte order
};

WebBackend& web_backend();

}  // namespace zorva::platform
