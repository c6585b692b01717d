// A window that shows a bitmap without copying it. A BitBlt of whole framebuffer rows from a
// memory DC's bitmap into a window records which rows show which bitmap rows; the driver
// then presents them straight from the bitmap, one copy per present. Whoever reads or draws
// on those framebuffer rows settles them first (the copy happens then), and the bitmap hands
// its pixels over before it is drawn on, so the window goes on showing what was copied.
#pragma once

#include <cstdint>

#include "platform/core/frame_view.h"
#include "platform/gdi/gdi_object.h"
#include "platform/windows/window.h"

namespace zorva::platform {

// Makes framebuffer rows [top, bottom) show the bitmap's rows from `source_top` on, from
// column `source_left` on (the bitmap reaches the framebuffer's width from there). False
// when the window already showed just that (nothing changed since: nothing new to present).
bool show_bitmap_rows(Window& window, HGDIOBJ handle, GdiObject& bitmap, int top, int bottom, int source_left,
                      int source_top);

// Copies any rows shown from elsewhere into the framebuffer, which then holds every row.
void settle_shown_rows(Window& window);
// The same for the top-level window that `hwnd` is or lies in, before its pixels are read
// or written directly.
void settle_shown_rows_of(HWND hwnd);

// The window goes away: whatever it showed is let go of, uncopied.
void forget_shown_rows(Window& window);

// The bitmap is about to be drawn on (or freed). A window that shows it keeps the picture:
// it copies its rows now, or it takes the bitmap's pixels and the bitmap gets storage
// holding the same except inside `overwritten` (bitmap coordinates, right and bottom
// exclusive), which the caller is about to paint entirely: whichever copies less.
void hand_over_shown_pixels(GdiObject& bitmap, const RECT& overwritten);
inline void before_bitmap_drawn(GdiObject& bitmap, const RECT& overwritten = RECT{0, 0, 0, 0}) {
  if (bitmap.bitmap.shown_in) [[unlikely]]
    hand_over_shown_pixels(bitmap, overwritten);
}

// What presenting the window shows: its framebuffer with the shown rows.
FrameView frame_view_of(const Window& window);

}  // namespace zorva::platform
