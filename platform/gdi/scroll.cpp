// ScrollDC: moving a DC's pixels by (dx, dy) within a scroll box, writing only inside a clip
// box; the strip the move uncovers keeps its old pixels for the caller to repaint.
#include <algorithm>
#include <cstdint>

#include "platform/gdi/block_move.h"
#include "platform/gdi/gdi_lookup.h"

using namespace zorva::platform;

namespace {

struct Box {
  std::int64_t left, top, right, bottom;  // pixmap coordinates, right and bottom exclusive
  bool empty() const { return left >= right || top >= bottom; }
};

Box intersect(const Box& a, const Box& b) {
  return Box{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

Box from_rect(const RECT& r, const Canvas& c) {
  return Box{std::int64_t{r.left} + c.origin_x, std::int64_t{r.top} + c.origin_y, std::int64_t{r.right} + c.origin_x,
             std::int64_t{r.bottom} + c.origin_y};
}

LONG to_long(std::int64_t v) { return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); }

}  // namespace

extern "C" {

BOOL WINAPI ScrollDC(HDC hDC, int dx, int dy, const RECT* lprcScroll, const RECT* lprcClip, HRGN /*hrgnUpdate*/,
                     LPRECT lprcUpdate) {
  const DeviceContext* dc = find_dc(hDC);
  Canvas canvas;
  if (!dc || !resolve_canvas(*dc, canvas)) return FALSE;
  const Box visible{canvas.clip.left, canvas.clip.top, canvas.clip.right, canvas.clip.bottom};
  const Box source = lprcScroll ? intersect(from_rect(*lprcScroll, canvas), visible) : visible;
  const Box clip = lprcClip ? intersect(from_rect(*lprcClip, canvas), visible) : visible;
  const Box moved{source.left + dx, source.top + dy, source.right + dx, source.bottom + dy};
  const Box target = intersect(moved, clip);

  if (!source.empty() && !target.empty()) {
    move_block(*canvas.pixmap, target.left, target.top, *canvas.pixmap, target.left - dx, target.top - dy,
               target.right - target.left, target.bottom - target.top);
    canvas_changed(*dc);
  }

  if (lprcUpdate) {
    // The bounding box of what the move left uncovered inside the clip box.
    Box uncovered = intersect(source, clip);
    if (!uncovered.empty() && dx == 0 && dy != 0 && -dy < source.bottom - source.top && dy < source.bottom - source.top) {
      if (dy < 0) uncovered.top = std::max(uncovered.top, source.bottom + dy);
      else uncovered.bottom = std::min(uncovered.bottom, source.top + dy);
    } else if (!uncovered.empty() && dy == 0 && dx != 0 && -dx < source.right - source.left &&
               dx < source.right - source.left) {
      if (dx < 0) uncovered.left = std::max(uncovered.left, source.right + dx);
      else uncovered.right = std::min(uncovered.right, source.left + dx);
    } else if (dx == 0 && dy == 0) {
      uncovered = Box{0, 0, 0, 0};
    }
    if (uncovered.empty()) {
      *lprcUpdate = RECT{0, 0, 0, 0};
    } else {
      *lprcUpdate = RECT{to_long(uncovered.left - canvas.origin_x), to_long(uncovered.top - canvas.origin_y),
                         to_long(uncovered.right - canvas.origin_x), to_long(uncovered.bottom - canvas.origin_y)};
    }
  }
  return TRUE;
}

}  // extern "C"
