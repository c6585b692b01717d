// Device contexts: what GDI draws into, with the objects and text state selected in it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/core/handle_table.h"
#include "platform/core/pixmap.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win32.h"

namespace zorva::platform {

// A DC holds the handles and records of what it has selected (a selected object is never
// freed), so drawing reads its pen and brush without looking them up.
struct DeviceContext {
  HWND window = nullptr;  // window DCs (GetDC, BeginPaint); null for memory DCs
  bool paint = false;     // obtained by BeginPaint
  SelectedObject bitmap;  // memory DCs: the selected bitmap
  SelectedObject pen;
  SelectedObject brush;
  SelectedObject font;
  POINT position{0, 0};  // current position for LineTo
  COLORREF text_color = RGB(0, 0, 0);
  COLORREF bk_color = RGB(255, 255, 255);
  int bk_mode = OPAQUE;
};

// A drawing target resolved from a DC: the pixels, where device (0, 0) lies in them, and
// the box that may be written (pixmap coordinates, right and bottom exclusive).
struct Canvas {
  Pixmap* pixmap = nullptr;
  int origin_x = 0;
  int origin_y = 0;
  RECT clip{0, 0, 0, 0};
};

// Creates a DC with the default objects selected; for window DCs pass the window.
HDC create_dc(HWND window, bool paint);
// Deselects everything and frees the DC.
bool destroy_dc(HDC dc);

// What a caller does with a resolved canvas. Drawing and reading settle a window's rows
// shown from a bitmap first, and drawing makes a bitmap that a window shows hand its
// pixels over (platform/gdi/shown_bitmap.h); placing leaves both as they are.
enum class CanvasUse { kDraw, kRead, kPlace };

// Resolves the DC's current drawing target; false if the DC has none.
bool resolve_canvas(const DeviceContext& dc, Canvas& out, CanvasUse use = CanvasUse::kDraw);
// Tells the platform that pixels drawn through this DC changed (window DCs get presented).
void canvas_changed(const DeviceContext& dc);

std::size_t live_dc_count();

}  // namespace zorva::platform
