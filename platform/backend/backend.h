// The one small interface between the platform and whatever shows windows and delivers
// input: SDL2 for real programs, an in-memory backend for tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/windows/window.h"

namespace zorva::platform {

class Backend {
 public:
  virtual ~Backend() = default;

  // Gives a top-level window an OS window (sets window.os_window); false if that failed.
  virtual bool open_window(Window& window) = 0;
  virtual void close_window(Window& window) = 0;
  virtual void set_title(Window& window) = 0;
  // Shows the window's framebuffer (with any open menu popup drawn over it).
  virtual void present(Window& window) = 0;

  // Moves pending OS input into the platform's input queue; never blocks.
  virtual void poll_input() = 0;
  // Blocks until OS input arrives or the clock reaches the deadline (none: no deadline).
  // The headless backend instead asks its idle feeder, jumps its clock to the deadline, or
  // throws when nothing could ever arrive.
  virtual void wait_for_input(std::optional<std::uint64_t> deadline_ms) = 0;

  virtual int screen_width() = 0;
  virtual int screen_height() = 0;
  // Milliseconds since the backend started.
  virtual std::uint64_t now_ms() = 0;
};

// The backend in use, chosen on first use: headless when ZORVA_BACKEND=headless or after
// select_headless_backend(), otherwise SDL2.
Backend& backend();
bool headless_backend_selected();
void select_headless_backend();

// Checks that the SDL backend can open a display; on failure fills `why` with a one-line
// explanation naming what is missing.
bool sdl_display_available(std::string& why);
// Whether the SDL backend would be chosen (no headless selection by environment or call).
bool sdl_backend_wanted();

}  // namespace zorva::platform
