// What a driver presents: a window's framebuffer in which a band of full-width rows may come
// from another pixmap, at least as wide (a bitmap the window shows without having copied
// it). A driver copies the picture once, band by band, straight from where its pixels are.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/core/pixmap.h"

namespace zorva::platform {

struct FrameView {
  const Pixmap* base = nullptr;  // the framebuffer: every row outside the band
  const Pixmap* band = nullptr;  // rows [band_top, band_bottom) come from here, or none
  int band_top = 0;
  int band_bottom = 0;
  int band_source_left = 0;  // where the band's rows start in `band`
  int band_source_top = 0;

  FrameView() = default;
  explicit FrameView(const Pixmap& pixels) : base(&pixels) {}

  int width() const { return base ? base->width : 0; }
  int height() const { return base ? base->height : 0; }

  const std::uint32_t* row(int y) const {
    if (band && y >= band_top && y < band_bottom) return band->row(y - band_top + band_source_top) + band_source_left;
    return base->row(y);
  }

  // Calls f(first_row, row_count, pixels, stride) for each run of rows that lie one after
  // another in memory (at most three), top to bottom; stride is in pixels.
  template <typename F>
  void for_each_run(F&& f) const {
    const int h = height();
    if (!base || h <= 0 || width() <= 0) return;
    if (!band || band_top >= band_bottom) {
      f(0, h, base->row(0), base->width);
      return;
    }
    if (band_top > 0) f(0, band_top, base->row(0), base->width);
    f(band_top, band_bottom - band_top, band->row(band_source_top) + band_source_left, band->width);
    if (band_bottom < h) f(band_bottom, h - band_bottom, base->row(band_bottom), base->width);
  }

  // The picture as one pixmap (for whoever keeps a copy of what was shown).
  Pixmap to_pixmap() const {
    if (!band) return base ? *base : Pixmap{};
    Pixmap out(width(), height());
    for (int y = 0; y < out.height; ++y) {
      const std::uint32_t* from = row(y);
      std::copy(from, from + out.width, out.row(y));
    }
    return out;
  }
};

}  // namespace zorva::platform
