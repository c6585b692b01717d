// What routing OS input to windows keeps from one event to the next.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace zorva::platform {

struct InputRouting {
  bool menu_took_press = false;  // the menu took the button's press, so it takes the release
  // While the button is held, the pointer belongs to the window that took the press: it
  // gets the motion and the release wherever they happen.
  HWND pressed = nullptr;
  // The last press a window took, for telling a double click.
  HWND last_press_window = nullptr;
  std::uint64_t last_press_ms = 0;
  int last_press_x = 0;  // framebuffer coordinates of its top-level window
  int last_press_y = 0;
  // Where the pointer was last reported, so a report of no movement is dropped.
  HWND pointer_window = nullptr;
  int pointer_x = -1;
  int pointer_y = -1;
};

// A window being destroyed lets go of the pointer and of the press it last took.
void forget_pointer_window(HWND hwnd);

}  // namespace zorva::platform
