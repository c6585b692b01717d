// Helpers the built-in controls share: putting a finished picture into a window's place in
// its top-level framebuffer, and the widths of the control font's characters.
#pragma once

#include "platform/dialogs/edit_layout.h"
#include "platform/ui/scratch_surface.h"
#include "platform/win32.h"

namespace zorva::platform::dialogs {

// A surface the size of the window's client area, filled with `fill`.
ScratchSurface surface_for(HWND hwnd, std::uint32_t fill);
// Copies the surface over the window's client area (clipped to its ancestors) and asks for
// the top-level window to be presented.
void show_surface(HWND hwnd, const ScratchSurface& surface);

// Widths of all 256 characters in the control font, measured once.
const CharWidths& control_char_widths();

// Paints through BeginPaint/EndPaint so the window is validated, then calls `paint`.
template <typename Paint>
void paint_window(HWND hwnd, Paint&& paint) {
  PAINTSTRUCT ps;
  if (BeginPaint(hwnd, &ps) == nullptr) return;
  EndPaint(hwnd, &ps);
  paint(hwnd);
}

// WM_SETTEXT for controls that show their window text: store it, then repaint.
inline LRESULT set_text_and_repaint(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = DefWindowProcA(hwnd, message, wparam, lparam);
  InvalidateRect(hwnd, nullptr, FALSE);
  return result;
}

}  // namespace zorva::platform::dialogs
