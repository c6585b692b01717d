// Invalidation, WM_PAINT handling and window device contexts.
#include <algorithm>
#include <cstring>

#include "platform/gdi/gdi_lookup.h"
#include "platform/windows/window.h"
#include "platform/windows/window_internal.h"

namespace zorva::platform {
namespace {

bool take_erase_pending(HWND hwnd) {
  auto& pending = window_records().erase_pending;
  auto it = std::find(pending.begin(), pending.end(), hwnd);
  if (it == pending.end()) return false;
  pending.erase(it);
  return true;
}

}  // namespace
}  // namespace zorva::platform

using namespace zorva::platform;

extern "C" {

// The whole client area is invalidated whatever the rectangle: windows repaint entirely.
BOOL WINAPI InvalidateRect(HWND hWnd, const RECT*, BOOL bErase) {
  if (!hWnd) {
    std::vector<HWND> tops;
    windows().for_each([&](std::uint32_t, Window& w) {
      if (!w.parent) tops.push_back(w.handle);
    });
    for (HWND top : tops) invalidate_tree(top, bErase != FALSE);
    return TRUE;
  }
  if (!find_window(hWnd)) return FALSE;
  invalidate_tree(hWnd, bErase != FALSE);
  return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
  const Window* window = find_window(hWnd);
  if (!window) return FALSE;
  if (window->invalid && is_shown(*window)) send_message(hWnd, WM_PAINT, 0, 0);
  return TRUE;
}

HDC WINAPI GetDC(HWND hWnd) {
  // GetDC(NULL) is the screen's DC; here it is a memory DC, enough for measuring text.
  if (!hWnd) return create_dc(nullptr, false);
  if (!find_window(hWnd)) return nullptr;
  return create_dc(hWnd, false);
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
  const DeviceContext* dc = find_dc(hDC);
  if (!dc || dc->paint || dc->window != hWnd) return 0;
  return destroy_dc(hDC) ? 1 : 0;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  Window* window = find_window(hWnd);
  if (!window || !lpPaint) return nullptr;
  std::memset(lpPaint, 0, sizeof *lpPaint);
  window->invalid = false;
  const HDC dc = create_dc(hWnd, true);
  if (!dc) return nullptr;
  bool erased = false;
  if (take_erase_pending(hWnd)) erased = send_message(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0;
  lpPaint->hdc = dc;
  lpPaint->fErase = erased ? FALSE : TRUE;
  if (const Window* still = find_window(hWnd)) lpPaint->rcPaint = client_rect_of(*still);
  return dc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  if (!lpPaint) return FALSE;
  const DeviceContext* dc = find_dc(lpPaint->hdc);
  if (!dc || !dc->paint || dc->window != hWnd) return FALSE;
  destroy_dc(lpPaint->hdc);
  return TRUE;
}

}  // extern "C"
