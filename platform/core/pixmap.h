// A block of 32-bit pixels, the storage behind bitmaps and window framebuffers.
// A pixel is 0x00RRGGBB (what SDL's ARGB8888 expects); COLORREF values (0x00BBGGRR)
// are converted at the GDI boundary.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace zorva::platform {

struct Pixmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row-major, width * height

  Pixmap() = default;
  Pixmap(int w, int h, std::uint32_t fill = 0)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

  std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width); }
  const std::uint32_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width); }
};

inline std::uint32_t pixel_from_colorref(COLORREF c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF colorref_from_pixel(std::uint32_t p) {
  return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

}  // namespace zorva::platform
