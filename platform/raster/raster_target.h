// Where the rasteriser writes: a pixmap with an origin and a writable box, every write clipped.
//
// Shapes are computed in device coordinates held in 64 bits, so any pair of int coordinates
// and their differences fit; only the visible box is ever walked.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cwchar>

#include "platform/core/pixmap.h"

namespace zorva::platform::raster {

struct RasterScratch;

// Sets `count` pixels. The C library's wide-character fill stores 32-bit values with the
// widest moves the processor has, several times faster than a plain loop over long spans.
inline void fill_pixels(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
  static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
  if (count < 8) {
    std::fill(first, first + count, pixel);
    return;
  }
  std::wmemset(reinterpret_cast<wchar_t*>(first), static_cast<wchar_t>(pixel), count);
}

struct RasterTarget {
  Pixmap* pixmap = nullptr;
  std::int64_t origin_x = 0;  // pixmap position of device (0, 0)
  std::int64_t origin_y = 0;
  // The writable box in device coordinates, right and bottom exclusive.
  std::int64_t left = 0, top = 0, right = 0, bottom = 0;
  RasterScratch* scratch = nullptr;  // buffers to reuse (raster_scratch.h); none: shapes make their own

  // Whether the device box [x0, x1) x [y0, y1) lies wholly inside the writable box.
  bool contains(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) const {
    return x0 >= left && x1 <= right && y0 >= top && y1 <= bottom;
  }
  // The pixel at a device point known to lie inside the writable box.
  std::uint32_t* at(std::int64_t x, std::int64_t y) const {
    return pixmap->row(static_cast<int>(y + origin_y)) + (x + origin_x);
  }

  bool empty() const { return left >= right || top >= bottom; }

  // Paints device pixels [x0, x1) of row y.
  void fill_span(std::int64_t y, std::int64_t x0, std::int64_t x1, std::uint32_t pixel) const {
    if (y < top || y >= bottom) return;
    x0 = std::max(x0, left);
    x1 = std::min(x1, right);
    if (x0 >= x1) return;
    std::uint32_t* row = pixmap->row(static_cast<int>(y + origin_y)) + origin_x;
    fill_pixels(row + x0, static_cast<std::size_t>(x1 - x0), pixel);
  }

  // Paints device box [x0, x1) x [y0, y1).
  void fill_box(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::uint32_t pixel) const {
    y0 = std::max(y0, top);
    y1 = std::min(y1, bottom);
    x0 = std::max(x0, left);
    x1 = std::min(x1, right);
    if (x0 >= x1 || y0 >= y1) return;
    const std::size_t count = static_cast<std::size_t>(x1 - x0);
    const std::size_t stride = static_cast<std::size_t>(pixmap->width);
    std::uint32_t* row = at(x0, y0);
    for (std::int64_t y = y0; y < y1; ++y, row += stride) {
      if (count == 1) {
        *row = pixel;
      } else {
        fill_pixels(row, count, pixel);
      }
    }
  }

  void plot(std::int64_t x, std::int64_t y, std::uint32_t pixel) const {
    if (x < left || x >= right || y < top || y >= bottom) return;
    pixmap->row(static_cast<int>(y + origin_y))[x + origin_x] = pixel;
  }
};

}  // namespace zorva::platform::raster
