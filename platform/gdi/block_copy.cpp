// BitBlt: copying a block of pixels between DCs (SRCCOPY), clipped on both sides.
#include <algorithm>
#include <cstdint>

#include "platform/gdi/block_move.h"
#include "platform/gdi/gdi_lookup.h"
#include "platform/gdi/shown_bitmap.h"
#include "platform/windows/window.h"

using namespace zorva::platform;

namespace {

// Whole framebuffer rows copied from a bitmap: the window shows the bitmap's rows instead,
// and the copy is made only if someone needs it (presenting copies once).
// False when the block is of another shape; true with `changed` false when the window
// already showed just that.
bool show_without_copy(const DeviceContext& to, const DeviceContext& from, const Canvas& dst, std::int64_t dst_left,
                       std::int64_t dst_top, std::int64_t src_left, std::int64_t src_top, std::int64_t width,
                       std::int64_t height, bool& changed) {
  if (!to.window || from.window || !from.bitmap.object) return false;
  if (dst_left != 0 || width != dst.pixmap->width) return false;  // the clip keeps it inside the source
  Window* top = top_level_of(to.window);
  if (!top || dst.pixmap != &top->framebuffer) return false;
  changed = show_bitmap_rows(*top, from.bitmap.handle, *from.bitmap.object, static_cast<int>(dst_top),
                             static_cast<int>(dst_top + height), static_cast<int>(src_left), static_cast<int>(src_top));
  return true;
}

}  // namespace

extern "C" {

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  if (rop != SRCCOPY) return FALSE;
  const DeviceContext* to = find_dc(hdc);
  const DeviceContext* from = find_dc(hdcSrc);
  Canvas dst;
  Canvas src;
  if (!to || !from || !resolve_canvas(*to, dst, CanvasUse::kPlace) || !resolve_canvas(*from, src, CanvasUse::kPlace))
    return FALSE;
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

  bool changed = true;
  if (!show_without_copy(*to, *from, dst, dx0 + first_col, dy0 + first_row, sx0 + first_col, sy0 + first_row,
                         end_col - first_col, end_row - first_row, changed)) {
    // Settled now: the canvases stay where they are, only the shown rows are copied in.
    resolve_canvas(*from, src, CanvasUse::kRead);
    resolve_canvas(*to, dst, CanvasUse::kDraw);
    move_block(*dst.pixmap, dx0 + first_col, dy0 + first_row, *src.pixmap, sx0 + first_col, sy0 + first_row,
               end_col - first_col, end_row - first_row);
  }
  if (changed) canvas_changed(*to);
  return TRUE;
}

}  // extern "C"
