// BitBlt: copying a block of pixels between DCs (SRCCOPY), clipped on both sides.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/gdi/device_context.h"

using namespace zorva::platform;

extern "C" {

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  if (rop != SRCCOPY) return FALSE;
  Canvas dst;
  Canvas src;
  if (!resolve_canvas(hdc, dst) || !resolve_canvas(hdcSrc, src)) return FALSE;
  if (cx <= 0 || cy <= 0) return TRUE;

  // Pixmap positions of the two blocks' top-left corners (64-bit: any int coordinates).
  const std::int64_t dx0 = std::int64_t{dst.origin_x} + x;
  const std::int64_t dy0 = std::int64_t{dst.origin_y} + y;
  const std::int64_t sx0 = std::int64_t{src.origin_x} + x1;
  const std::int64_t sy0 = std::int64_t{src.origin_y} + y1;
  // Offsets within the block whose pixels lie inside both clip boxes.
  const std::int64_t first_col = std::max({std::int64_t{0}, dst.clip.left - dx0, src.clip.left - sx0});
  const std::int64_t end_col = std::min({std::int64_t{cx}, dst.clip.right - dx0, src.clip.right - sx0});
  const std::int64_t first_row = std::max({std::int64_t{0}, dst.clip.top - dy0, src.clip.top - sy0});
  const std::int64_t end_row = std::min({std::int64_t{cy}, dst.clip.bottom - dy0, src.clip.bottom - sy0});
  if (first_col >= end_col || first_row >= end_row) return TRUE;

  const std::size_t bytes = static_cast<std::size_t>(end_col - first_col) * sizeof(std::uint32_t);
  // Within one pixmap a block moved downwards must be copied bottom row first.
  const bool upward = dst.pixmap == src.pixmap && dy0 > sy0;
  for (std::int64_t i = 0; i < end_row - first_row; ++i) {
    const std::int64_t r = upward ? end_row - 1 - i : first_row + i;
    std::uint32_t* to = dst.pixmap->row(static_cast<int>(dy0 + r)) + (dx0 + first_col);
    const std::uint32_t* from = src.pixmap->row(static_cast<int>(sy0 + r)) + (sx0 + first_col);
    std::memmove(to, from, bytes);
  }
  canvas_changed(hdc);
  return TRUE;
}

}  // extern "C"
