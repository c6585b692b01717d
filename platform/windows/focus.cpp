// The keyboard focus: one window at a time, told when it gains and loses it.
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

using namespace zorva::platform;

extern "C" {

HWND WINAPI SetFocus(HWND hWnd) {
  auto& records = window_records();
  Window* window = nullptr;
  if (hWnd) {
    window = find_window(hWnd);
    if (!window || window->destroying) return nullptr;
  }
  const HWND previous = find_window(records.focus) ? records.focus : nullptr;
  if (previous == hWnd) return previous;
  records.focus = hWnd;
  if (hWnd) records.active = top_level_of(hWnd)->handle;
  if (previous) send_message(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
  // The loser's handler may have moved the focus elsewhere; then that choice stands.
  if (hWnd && records.focus == hWnd) send_message(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

HWND WINAPI GetFocus(void) {
  const HWND focus = window_records().focus;
  return find_window(focus) ? focus : nullptr;
}

}  // extern "C"
