// Single pixels: SetPixel and GetPixel.
#include <cstdint>

#include "platform/gdi/gdi_lookup.h"

using namespace zorva::platform;

namespace {

// The pixel under a device point, or nullptr when it lies outside what the DC may touch.
std::uint32_t* pixel_at(const Canvas& canvas, int x, int y) {
  const std::int64_t px = std::int64_t{canvas.origin_x} + x;
  const std::int64_t py = std::int64_t{canvas.origin_y} + y;
  if (px < canvas.clip.left || px >= canvas.clip.right || py < canvas.clip.top || py >= canvas.clip.bottom)
    return nullptr;
  return canvas.pixmap->row(static_cast<int>(py)) + px;
}

}  // namespace

extern "C" {

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  const DeviceContext* dc = find_dc(hdc);
  Canvas canvas;
  if (!dc || !resolve_canvas(*dc, canvas)) return CLR_INVALID;
  std::uint32_t* pixel = pixel_at(canvas, x, y);
  if (!pixel) return CLR_INVALID;
  *pixel = pixel_from_colorref(color & 0x00FFFFFFu);
  canvas_changed(*dc);
  return colorref_from_pixel(*pixel);
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  const DeviceContext* dc = find_dc(hdc);
  Canvas canvas;
  if (!dc || !resolve_canvas(*dc, canvas, CanvasUse::kRead)) return CLR_INVALID;
  const std::uint32_t* pixel = pixel_at(canvas, x, y);
  return pixel ? colorref_from_pixel(*pixel) : CLR_INVALID;
}

}  // extern "C"
