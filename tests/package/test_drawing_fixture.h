// A drawing surface without a started package: a 601x540 memory DC installed as the
// package's off-screen surface, an origin set by hand, and helpers to read its pixels and
// the log ring's lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/colors.h"
#include "internal/library_state.h"
#include "platform/testing/headless.h"
#include "zorva.h"

namespace zorva::testing_support {

class DrawingSurface : public ::testing::Test {
 protected:
  // Not the centre of 601x540, so a hard-coded origin would show.
  static constexpr int kOriginX = 300;
  static constexpr int kOriginY = 250;

  void SetUp() override {
    headless::reset();
    reset_library_state();
    surface_ = CreateCompatibleDC(nullptr);
    ASSERT_NE(surface_, nullptr);
    bitmap_ = CreateCompatibleBitmap(surface_, kSurfaceWidth, kSurfaceHeight);
    ASSERT_NE(bitmap_, nullptr);
    SelectObject(surface_, bitmap_);
    g_state.offscreen_dc = surface_;
    g_state.origin_x = kOriginX;
    g_state.origin_y = kOriginY;
    g_state.logging_enabled = 0;
    paint_white();
  }

  void TearDown() override {
    headless::reset();
    reset_library_state();
  }

  // Fills the whole surface with white, border included, without the package.
  void paint_white() {
    for (int y = 0; y < kSurfaceHeight; ++y)
      for (int x = 0; x < kSurfaceWidth; ++x) SetPixel(surface_, x, y, color_values[WHITE]);
  }

  COLORREF device(int x, int y) const { return GetPixel(surface_, x, y); }
  COLORREF logical(int x, int y) const { return GetPixel(surface_, kOriginX + x, kOriginY - y); }

  // Device pixels of the surface that are not white.
  int count_not_white() const {
    int count = 0;
    for (int y = 0; y < kSurfaceHeight; ++y)
      for (int x = 0; x < kSurfaceWidth; ++x) count += device(x, y) != color_values[WHITE];
    return count;
  }

  // Every pixel of the surface, row by row.
  std::vector<COLORREF> snapshot() const {
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(kSurfaceWidth) * kSurfaceHeight);
    for (int y = 0; y < kSurfaceHeight; ++y)
      for (int x = 0; x < kSurfaceWidth; ++x) pixels.push_back(device(x, y));
    return pixels;
  }

  // Device rows holding at least one pixel that is not white, first and last; -1 if none.
  std::pair<int, int> inked_rows() const {
    int first = -1, last = -1;
    for (int y = 0; y < kSurfaceHeight; ++y)
      for (int x = 0; x < kSurfaceWidth; ++x)
        if (device(x, y) != color_values[WHITE]) {
          if (first < 0) first = y;
          last = y;
          break;
        }
    return {first, last};
  }

  // The log ring's lines, oldest first.
  static std::vector<std::string> log_lines() {
    std::vector<std::string> lines;
    int slot = g_state.log_first;
    for (int count = 0; slot >= 0 && count < kLogRingSize; ++count) {
      if (count > 0 && slot == g_state.log_next) break;
      HGLOBAL block = g_state.log_lines[slot];
      if (const char* text = static_cast<const char*>(GlobalLock(block))) {
        lines.emplace_back(text);
        GlobalUnlock(block);
      }
      slot = slot == kLogRingSize - 1 ? 0 : slot + 1;
    }
    return lines;
  }

  HDC surface_ = nullptr;
  HBITMAP bitmap_ = nullptr;
};

}  // namespace zorva::testing_support
