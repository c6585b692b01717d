// Presenting changed windows, once per message turn at most, with open popups composed.
#include "platform/driver/presenting.h"

#include <vector>

#include "platform/driver/driver.h"
#include "platform/gdi/shown_bitmap.h"
#include "platform/menus/menu_hooks.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {

FrameView presentable_frame(Window& window, Pixmap& scratch) {
  if (!menus::has_overlay(window)) return frame_view_of(window);
  settle_shown_rows(window);
  scratch = window.framebuffer;
  menus::paint_overlay(window, scratch);
  return FrameView(scratch);
}

void present_changed_windows() {
  auto& changed = window_records().changed;
  if (changed.empty()) return;
  std::vector<HWND> pending;
  pending.swap(changed);
  Pixmap composed;
  for (HWND hwnd : pending) {
    Window* window = find_window(hwnd);
    if (window && window->visible && window->os_window) driver().present(*window, presentable_frame(*window, composed));
  }
}

}  // namespace zorva::platform
