// Showing, enabling and measuring windows, and their text.
#include <algorithm>
#include <cstring>

#include "platform/driver/driver.h"
#include "platform/menus/menu_hooks.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {

void send_size(HWND hwnd) {
  const Window* window = find_window(hwnd);
  if (!window) return;
  const RECT client = client_rect_of(*window);
  send_message(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void invalidate_tree(HWND hwnd, bool erase) {
  auto& pending = window_records().erase_pending;
  for (HWND h : window_tree(hwnd)) {
    Window* window = find_window(h);
    window->invalid = true;
    if (erase && std::find(pending.begin(), pending.end(), h) == pending.end()) pending.push_back(h);
  }
}

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  Window* window = find_window(hWnd);
  if (!window) return FALSE;
  const BOOL was_visible = window->visible ? TRUE : FALSE;
  const bool show = nCmdShow != SW_HIDE;
  if (show == window->visible || window->destroying) return was_visible;

  if (!show) {
    window->visible = false;
    auto& records = window_records();
    if (records.focus && is_within(records.focus, hWnd)) SetFocus(nullptr);
    if (!window->parent) {
      menus::close_popups(*window);
      if (window->os_window) driver().close_window(*window);
      window->os_window = 0;
    } else {
      // The parent's pixels under the child must be drawn again.
      invalidate_tree(window->parent, true);
    }
    return was_visible;
  }

  window->visible = true;
  send_message(hWnd, WM_SHOWWINDOW, TRUE, 0);
  window = find_window(hWnd);
  if (!window) return was_visible;
  if (!window->parent) {
    if (window->menu) menus::paint_bar(*window);
    if (!window->os_window && !driver().open_window(*window)) window->os_window = 0;
    framebuffer_changed(hWnd);
    send_size(hWnd);
    // The window shown last becomes the active one and takes the keyboard, unless the
    // focus already lies inside it (a dialog focuses its first control before showing).
    auto& records = window_records();
    if (find_window(hWnd)) {
      records.active = hWnd;
      if (!records.focus || !is_within(records.focus, hWnd)) SetFocus(hWnd);
    }
  }
  if (find_window(hWnd)) invalidate_tree(hWnd, true);
  return was_visible;
}

BOOL WINAPI IsWindow(HWND hWnd) { return find_window(hWnd) ? TRUE : FALSE; }

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  const Window* window = find_window(hWnd);
  return window && is_shown(*window) ? TRUE : FALSE;
}

// Returns nonzero if the window was disabled before the call.
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  Window* window = find_window(hWnd);
  if (!window) return FALSE;
  const BOOL was_disabled = window->enabled ? FALSE : TRUE;
  const bool enable = bEnable != FALSE;
  if (enable == window->enabled) return was_disabled;
  window->enabled = enable;
  if (!enable) {
    if (!window->parent) menus::close_popups(*window);
    auto& records = window_records();
    if (records.focus && is_within(records.focus, hWnd)) SetFocus(nullptr);
  }
  send_message(hWnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return was_disabled;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  const Window* window = find_window(hWnd);
  return window && window->enabled ? TRUE : FALSE;
}

// The parent of a child window, or the owner of an owned top-level window.
HWND WINAPI GetParent(HWND hWnd) {
  const Window* window = find_window(hWnd);
  if (!window) return nullptr;
  return window->parent ? window->parent : window->owner;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  const Window* window = find_window(hWnd);
  if (!window || !lpRect) return FALSE;
  *lpRect = client_rect_of(*window);
  return TRUE;
}

// Screen coordinates: a top-level window's outer rectangle, frame included; a child's place
// in its parent's client area, moved to where that client area lies on the screen.
BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  const Window* window = find_window(hWnd);
  if (!window || !lpRect) return FALSE;
  if (!window->parent) {
    *lpRect = window->rect;
    return TRUE;
  }
  const POINT origin = client_origin_on_screen(window->parent);
  const LONG left = origin.x + window->rect.left;
  const LONG top_edge = origin.y + window->rect.top;
  *lpRect = RECT{left, top_edge, left + (window->rect.right - window->rect.left),
                 top_edge + (window->rect.bottom - window->rect.top)};
  return TRUE;
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (!find_window(hWnd)) return FALSE;
  return send_message(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString ? lpString : "")) ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (!find_window(hWnd) || !lpString || nMaxCount <= 0) return 0;
  lpString[0] = '\0';
  return static_cast<int>(send_message(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                       reinterpret_cast<LPARAM>(lpString)));
}

}  // extern "C"
