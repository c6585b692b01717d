// The "Static" control: left-aligned text wrapped to its box on the dialog's face colour.
#include "platform/dialogs/control_paint.h"
#include "platform/dialogs/controls.h"
#include "platform/windows/window.h"

namespace zorva::platform::dialogs {
namespace {

void paint_static(HWND hwnd) {
  const Window* window = find_window(hwnd);
  if (window == nullptr) return;
  ScratchSurface surface = surface_for(hwnd, kFaceColor);
  const CharWidths& widths = control_char_widths();
  const std::string& text = window->text;
  const std::vector<EditLine> lines = layout_lines(text, widths, surface.width(), true);
  int y = 0;
  for (const EditLine& line : lines) {
    if (y >= surface.height()) break;
    surface.text(0, y, std::string_view(text).substr(line.begin, line.end - line.begin), kTextColor);
    y += surface.line_height();
  }
  show_surface(hwnd, surface);
}

}  // namespace

LRESULT CALLBACK static_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      paint_window(hwnd, paint_static);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_SETTEXT:
      return set_text_and_repaint(hwnd, message, wparam, lparam);
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace zorva::platform::dialogs
