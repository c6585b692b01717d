// What the OS's window events mean for the program: the keyboard arriving at or leaving a
// window, pixels to show again, and the system's request to quit.
#include "platform/driver/os_events.h"
#include "platform/messages/keyboard.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform::os_events {

void focus_gained(HWND top_level) {
  auto& records = window_records();
  const Window* window = find_window(top_level);
  // A dialog keeps the control it had focused; a disabled owner gets nothing.
  if (window && window->enabled && (!records.focus || !is_within(records.focus, top_level))) SetFocus(top_level);
}

// Keys held when the window loses the keyboard are let go, so no modifier stays stuck.
void focus_lost(HWND) {
  for (int vk = 1; vk < 256; ++vk)
    if (key_is_down(vk)) key_up(vk);
}

void exposed(HWND top_level) { framebuffer_changed(top_level); }

void quit_request() {
  // A close request to the program's main window (the first one it made). While a modal
  // dialog has disabled it, the program is asked to quit instead: the dialog's loop ends on
  // the quit and hands it on, whereas a close request to a dialog that ignores cancel (the
  // text prompt) would leave the request without effect.
  HWND main_window = nullptr;
  windows().for_each([&](std::uint32_t, Window& w) {
    if (!main_window && !w.parent && !w.owner && w.visible) main_window = w.handle;
  });
  const Window* main_record = find_window(main_window);
  if (main_record && main_record->enabled) {
    close_request(main_window);
  } else {
    PostQuitMessage(0);
  }
}

}  // namespace zorva::platform::os_events
