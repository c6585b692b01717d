// OS input becomes window messages here: the menu of the top-level window sees it first,
// disabled windows get nothing, keys go to the focus and clicks to the deepest child.
#include <algorithm>

#include "platform/driver/driver.h"
#include "platform/driver/os_events.h"
#include "platform/messages/input.h"
#include "platform/menus/menu_hooks.h"
#include "platform/messages/keyboard.h"
#include "platform/messages/message_queue.h"
#include "platform/state/platform_state.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform::os_events {
namespace {

InputRouting& routing() { return platform_state().input; }

// The window keys go to: the focus, or the active top-level window when nothing has focus.
Window* key_target() {
  auto& records = window_records();
  if (Window* focus = find_window(records.focus)) return focus;
  return find_window(records.active);
}

// A window and all its ancestors enabled and shown: only such a window takes input.
bool accepts_input(const Window& window) {
  for (const Window* w = &window; w; w = find_window(w->parent))
    if (!w->enabled || !w->visible || w->destroying) return false;
  return true;
}

// The deepest shown, enabled child under a point of the window's client area; the point
// becomes that child's client coordinates.
HWND deepest_child_at(HWND hwnd, int& x, int& y) {
  for (;;) {
    const Window* window = find_window(hwnd);
    HWND hit = nullptr;
    // Later children lie on top of earlier ones.
    for (auto it = window->children.rbegin(); it != window->children.rend(); ++it) {
      const Window* child = find_window(*it);
      if (!child || !child->visible || !child->enabled) continue;
      if (x >= child->rect.left && x < child->rect.right && y >= child->rect.top && y < child->rect.bottom) {
        hit = *it;
        break;
      }
    }
    if (!hit) return hwnd;
    const Window* child = find_window(hit);
    x -= child->rect.left;
    y -= child->rect.top;
    hwnd = hit;
  }
}

void queue_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, int typed) {
  QueuedMessage queued;
  queued.msg.hwnd = hwnd;
  queued.msg.message = message;
  queued.msg.wParam = wparam;
  queued.msg.lParam = lparam;
  queued.msg.time = static_cast<DWORD>(driver().now_ms());
  queued.typed = typed;
  queue_input(queued);
}

}  // namespace

void key_down(int vk, unsigned char typed, bool repeat) {
  if (vk <= 0 || vk > 0xFE) return;
  Window* target = key_target();
  // A key that was already down repeats (bit 30 reports its previous state).
  repeat = repeat || key_is_down(vk);
  // The key state follows the keyboard even when no window takes the key.
  set_key_down(vk, true);
  if (!target || !accepts_input(*target)) return;
  Window* top = top_level_of(target->handle);
  if (menus::take_key_down(*top, vk, repeat)) return;
  if (!find_window(target->handle)) return;
  const bool alt = key_is_down(VK_MENU);
  const bool ctrl = key_is_down(VK_CONTROL);
  int character = character_for_key_now(vk);
  // The driver's typed text wins, except for the control characters of Ctrl+letter.
  if (typed && !ctrl && !alt) character = typed;
  const bool system = (alt && !ctrl) || vk == VK_F10 || vk == VK_MENU;
  queue_message(target->handle, system ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(vk),
                key_lparam(vk, false, repeat, alt), character);
}

void key_up(int vk) {
  if (vk <= 0 || vk > 0xFE) return;
  const bool alt_before = key_is_down(VK_MENU);
  const bool ctrl = key_is_down(VK_CONTROL);
  set_key_down(vk, false);
  Window* target = key_target();
  if (!target || !accepts_input(*target)) return;
  Window* top = top_level_of(target->handle);
  if (menus::take_key_up(*top, vk)) return;
  if (!find_window(target->handle)) return;
  const bool system = (alt_before && !ctrl) || vk == VK_F10;
  queue_message(target->handle, system ? WM_SYSKEYUP : WM_KEYUP, static_cast<WPARAM>(vk),
                key_lparam(vk, true, false, alt_before && vk != VK_MENU), 0);
}

void button(HWND top_level, int frame_x, int frame_y, bool down) {
  Window* top = find_window(top_level);
  if (!top || top->parent || !accepts_input(*top)) return;
  if (down) {
    routing().menu_took_press = menus::take_click(*top, frame_x, frame_y);
    if (routing().menu_took_press) return;
  } else if (routing().menu_took_press) {
    routing().menu_took_press = false;
    return;
  }
  top = find_window(top_level);
  if (!top) return;
  int x = frame_x;
  int y = frame_y - menu_bar_height(*top);
  const RECT client = client_rect_of(*top);
  if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) return;  // menu strip or outside
  const HWND target = deepest_child_at(top_level, x, y);
  queue_message(target, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, down ? 1 : 0, MAKELPARAM(x, y), -1);
}

void close_request(HWND top_level) {
  Window* top = find_window(top_level);
  if (!top || top->parent || !accepts_input(*top)) return;
  queue_message(top_level, WM_CLOSE, 0, 0, -1);
}

}  // namespace zorva::platform::os_events
