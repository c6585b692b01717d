// Direct calls into window procedures, and the default handling of messages.
#include <algorithm>
#include <cstring>

#include "platform/driver/driver.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {

LRESULT send_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const Window* window = find_window(hwnd);
  if (!window || !window->proc) return 0;
  return window->proc(hwnd, message, wparam, lparam);
}

}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return send_message(hWnd, Msg, wParam, lParam);
}

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window* window = find_window(hWnd);
  if (!window) return 0;
  switch (Msg) {
    case WM_NCCREATE:
      return TRUE;
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) send_message(hWnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (BeginPaint(hWnd, &ps)) EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      if (!window->background) return 0;
      erase_background(hWnd);
      return 1;
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      window->text = text ? text : "";
      if (!window->parent && window->os_window) driver().set_title(*window);
      return TRUE;
    }
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lParam);
      if (!buffer || wParam == 0) return 0;
      const std::size_t count = std::min<std::size_t>(window->text.size(), wParam - 1);
      std::memcpy(buffer, window->text.data(), count);
      buffer[count] = '\0';
      return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    default:
      return 0;
  }
}

}  // extern "C"
