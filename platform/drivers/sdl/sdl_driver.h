// The SDL2 driver: each shown top-level window is an SDL window showing its framebuffer.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/driver/driver.h"
#include "platform/win32.h"

namespace zorva::platform {

class SdlDriver final : public Driver {
 public:
  // Initialises SDL video on the driver the environment names; on failure, `error` says why.
  explicit SdlDriver(std::string& error);
  ~SdlDriver() override;

  bool open_window(Window& window) override;
  void close_window(Window& window) override;
  void set_title(Window& window) override;
  void present(Window& window, const FrameView& frame) override;
  void poll_input() override;
  bool wait_for_input(std::optional<std::uint64_t> deadline_ms) override;
  // Real waits take real time and the user can always act: nothing to decide.
  void stalled(Stall) override {}
  // The screen in the program's pixels (the screen's divided by the scale factor).
  int screen_width() override;
  int screen_height() override;
  std::uint64_t now_ms() override;
  text::GlyphSource& glyphs() override { return *glyphs_; }
  // The desktop's clipboard (on X11 the CLIPBOARD selection).
  std::string clipboard_text() override;
  void set_clipboard_text(const std::string& text) override;

  bool ready() const { return ready_; }
  // How many screen pixels each of the program's pixels takes, each way (screen_scale.h).
  int scale() const { return scale_; }

 private:
  struct PendingKey {
    int vk = 0;
    bool repeat = false;
    bool active = false;
  };
  void handle(const SDL_Event& event);
  void handle_window_event(const SDL_WindowEvent& event);
  void flush_pending_key(unsigned char typed);
  HWND hwnd_of(Uint32 window_id) const;
  // A position of the program's, on the screen (clamped to what SDL can take).
  int on_screen(LONG position) const;

  bool ready_ = false;
  int scale_ = 1;
  std::unordered_map<Uint32, HWND> windows_;
  std::unordered_set<Uint32> frame_fitted_;  // windows whose frame was checked against the screen
  PendingKey pending_key_;
  std::unique_ptr<text::GlyphSource> glyphs_;
};

}  // namespace zorva::platform
