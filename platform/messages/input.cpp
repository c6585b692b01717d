// OS input becomes window messages here: the menu of the top-level window sees it first,
// disabled windows get nothing, keys go to the focus, and the pointer's presses and motion to
// the deepest child under it, or while the button is held to the window that took the press.
#include <algorithm>
#include <cstdlib>
#include <utility>

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
  queued.modifiers = modifiers_held_now();
  queue_input(queued);
}

// A position as mouse messages carry it: two signed 16-bit halves.
LPARAM pointer_lparam(long long x, long long y) {
  return MAKELPARAM(static_cast<WORD>(std::clamp<long long>(x, -32768, 32767)),
                    static_cast<WORD>(std::clamp<long long>(y, -32768, 32767)));
}

// The mouse message's wParam: the button and the modifier keys held.
WPARAM mouse_keys(bool button_down) {
  WPARAM keys = button_down ? MK_LBUTTON : 0;
  if (key_is_down(VK_SHIFT)) keys |= MK_SHIFT;
  if (key_is_down(VK_CONTROL)) keys |= MK_CONTROL;
  return keys;
}

// The window under a point of the top-level window's framebuffer, with the point in its
// client coordinates; nullptr over the menu strip or outside the client area.
HWND window_at(HWND top_level, int frame_x, int frame_y, int& x, int& y) {
  const Window* top = find_window(top_level);
  x = frame_x;
  y = frame_y - menu_bar_height(*top);
  const RECT client = client_rect_of(*top);
  if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) return nullptr;
  return deepest_child_at(top_level, x, y);
}

// A second press on the same window, soon after the first and close to it, is a double
// click for a window whose class asks for them.
bool is_double_click(HWND target, int frame_x, int frame_y) {
  const InputRouting& state = routing();
  const Window* window = find_window(target);
  const WindowClass* window_class = window ? find_window_class(window->class_name) : nullptr;
  if (!window_class || (window_class->style & CS_DBLCLKS) == 0 || state.last_press_window != target) return false;
  const int reach = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
  return driver().now_ms() - state.last_press_ms <= GetDoubleClickTime() &&
         std::llabs(static_cast<long long>(frame_x) - state.last_press_x) <= reach &&
         std::llabs(static_cast<long long>(frame_y) - state.last_press_y) <= reach;
}

// A mouse message for the window that holds the pointer, at a framebuffer position taken to
// its client coordinates (which may lie outside its client area).
void send_pointer(HWND hwnd, UINT message, int frame_x, int frame_y) {
  ClientView view;
  if (!client_view(hwnd, view)) return;
  const bool held = message == WM_MOUSEMOVE;
  queue_message(hwnd, message, mouse_keys(held), pointer_lparam(static_cast<long long>(frame_x) - view.client_x,
                                                                static_cast<long long>(frame_y) - view.client_y),
                -1);
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
  InputRouting& state = routing();
  // A release ends the hold on the pointer, whoever takes it.
  const HWND held = down ? nullptr : std::exchange(state.pressed, nullptr);
  const bool menu_took_press = !down && std::exchange(state.menu_took_press, false);
  Window* top = find_window(top_level);
  if (!top || top->parent || !accepts_input(*top)) return;
  if (down) {
    state.menu_took_press = menus::take_press(*top, frame_x, frame_y);
    if (state.menu_took_press) return;
  } else if (menu_took_press) {
    menus::take_release(*top, frame_x, frame_y);
    return;
  }
  if (!find_window(top_level)) return;
  if (held) {
    // The release goes where the press went, wherever the pointer is now.
    if (find_window(held) && is_within(held, top_level)) send_pointer(held, WM_LBUTTONUP, frame_x, frame_y);
    return;
  }
  int x = 0, y = 0;
  const HWND target = window_at(top_level, frame_x, frame_y, x, y);
  if (!target) return;  // the menu strip, or outside the client area
  if (!down) {
    queue_message(target, WM_LBUTTONUP, mouse_keys(false), pointer_lparam(x, y), -1);
    return;
  }
  state.pressed = target;
  const bool double_click = is_double_click(target, frame_x, frame_y);
  state.last_press_window = double_click ? nullptr : target;
  state.last_press_ms = driver().now_ms();
  state.last_press_x = frame_x;
  state.last_press_y = frame_y;
  queue_message(target, double_click ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, mouse_keys(true), pointer_lparam(x, y), -1);
}

void mouse_moved(HWND top_level, int frame_x, int frame_y) {
  // The button may have come up where no window heard it (over another application).
  if (routing().pressed && !is_within(routing().pressed, top_level)) routing().pressed = nullptr;
  Window* top = find_window(top_level);
  if (!top || top->parent || !accepts_input(*top)) return;
  InputRouting& state = routing();
  if (state.pointer_window == top_level && state.pointer_x == frame_x && state.pointer_y == frame_y) return;
  state.pointer_window = top_level;
  state.pointer_x = frame_x;
  state.pointer_y = frame_y;
  if (menus::take_motion(*top, frame_x, frame_y)) return;
  if (!find_window(top_level) || state.menu_took_press) return;
  if (state.pressed) {
    send_pointer(state.pressed, WM_MOUSEMOVE, frame_x, frame_y);
    return;
  }
  int x = 0, y = 0;
  if (const HWND target = window_at(top_level, frame_x, frame_y, x, y))
    queue_message(target, WM_MOUSEMOVE, mouse_keys(false), pointer_lparam(x, y), -1);
}

void close_request(HWND top_level) {
  Window* top = find_window(top_level);
  if (!top || top->parent || !accepts_input(*top)) return;
  queue_message(top_level, WM_CLOSE, 0, 0, -1);
}

}  // namespace zorva::platform::os_events

namespace zorva::platform {

void forget_pointer_window(HWND hwnd) {
  InputRouting& state = platform_state().input;
  if (state.pressed == hwnd) state.pressed = nullptr;
  if (state.last_press_window == hwnd) state.last_press_window = nullptr;
  if (state.pointer_window == hwnd) state.pointer_window = nullptr;
}

}  // namespace zorva::platform
