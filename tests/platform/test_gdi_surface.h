// A memory DC over a bitmap of a chosen size, for drawing tests; pixels read back as COLORREF.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/testing/headless.h"
#include "platform/win32.h"

namespace gdi_test {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

using PixelSet = std::set<std::pair<int, int>>;

class Surface {
 public:
  Surface(int width, int height) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    old_bitmap_ = SelectObject(dc_, bitmap_);
    fill(kWhite);
  }
  ~Surface() {
    SelectObject(dc_, old_bitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void fill(COLORREF colour) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) SetPixel(dc_, x, y, colour);
  }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
  // Every pixel that is not the given background colour.
  PixelSet not_colour(COLORREF background) const {
    PixelSet out;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (at(x, y) != background) out.insert({x, y});
    return out;
  }
  PixelSet of_colour(COLORREF colour) const {
    PixelSet out;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (at(x, y) == colour) out.insert({x, y});
    return out;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
};

// Selects a pen and a brush for a scope, then puts the old ones back and deletes the new ones,
// as the package's renderer does.
class PenAndBrush {
 public:
  // width < 0: the null pen; brush_colour CLR_INVALID: the hollow brush.
  PenAndBrush(HDC dc, int width, COLORREF pen_colour, COLORREF brush_colour) : dc_(dc) {
    pen_ = width < 0 ? static_cast<HPEN>(GetStockObject(NULL_PEN)) : CreatePen(PS_SOLID, width, pen_colour);
    brush_ = brush_colour == CLR_INVALID ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                         : CreateSolidBrush(brush_colour);
    old_pen_ = SelectObject(dc, pen_);
    old_brush_ = SelectObject(dc, brush_);
  }
  ~PenAndBrush() {
    SelectObject(dc_, old_pen_);
    SelectObject(dc_, old_brush_);
    DeleteObject(pen_);
    DeleteObject(brush_);
  }
  PenAndBrush(const PenAndBrush&) = delete;
  PenAndBrush& operator=(const PenAndBrush&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ old_pen_, old_brush_;
};

// Every test starts from a clean platform.
class GdiTest : public ::testing::Test {
 protected:
  void SetUp() override { zorva::headless::reset(); }
  void TearDown() override { zorva::headless::reset(); }
};

}  // namespace gdi_test
