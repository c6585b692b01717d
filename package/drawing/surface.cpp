// The whole-surface operations: copying a changed surface to the window, and clearing it.
#include "drawing/colors.h"
#include "internal/console.h"
#include "internal/draw_window.h"
#include "internal/library_state.h"
#include "platform/win32.h"

namespace zorva {

void copy_surface_to_window() {
  BitBlt(g_state.window_dc, 0, 0, kSurfaceWidth, kSurfaceHeight, g_state.offscreen_dc, 0, 0,
         SRCCOPY);
  g_state.surface_dirty = 0;
}

}  // namespace zorva

extern "C" int ZORVA_flush(void) {
  using namespace zorva;
  if (g_state.logging_enabled) log_drawing_call("Flushing the graphics window\n");
  if (g_state.surface_dirty) copy_surface_to_window();
  return 1;
}

extern "C" int ZORVA_clear(void) {
  using namespace zorva;
  if (g_state.logging_enabled) log_drawing_call("Clearing the graphics window\n");
  HDC dc = g_state.offscreen_dc;
  // The surface keeps its default one-pixel black pen, which outlines the white box: the
  // cleared surface is white inside a black border on its four edges.
  HBRUSH white = CreateSolidBrush(color_values[WHITE]);
  HGDIOBJ previous_brush = SelectObject(dc, white);
  Rectangle(dc, 0, 0, kSurfaceWidth, kSurfaceHeight);
  SelectObject(dc, previous_brush);
  DeleteObject(white);
  g_state.surface_dirty = 1;
  return 1;
}
