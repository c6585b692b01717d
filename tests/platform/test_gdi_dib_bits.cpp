// GetDIBits: a bitmap's pixels in the device-independent layout, top-down or bottom-up, and
// 0 for every request this platform does not provide.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "test_gdi_surface.h"

namespace {

using namespace gdi_test;

using DibBits = GdiTest;

BITMAPINFO info_for(LONG width, LONG height, WORD bits = 32) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

TEST_F(DibBits, RowsComeInTheOrderTheHeightAsksFor) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 3);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < 3; ++y) SetPixel(dc, 1, y, RGB(10 * y, 0x20, 0x30));  // 0x00RRGGBB below
  SelectObject(dc, old);

  const struct {
    LONG height;
    UINT start;
    UINT lines;
    int copied;
    std::vector<std::uint32_t> expected;  // the rows as the buffer holds them
  } cases[] = {
      {-3, 0, 3, 3, {0, 0x002030, 0, 0x0A2030, 0, 0x142030}},
      {3, 0, 3, 3, {0, 0x142030, 0, 0x0A2030, 0, 0x002030}},  // bottom row first
      {3, 1, 5, 2, {0, 0x0A2030, 0, 0x002030}},               // clipped to the bitmap
      {-3, 2, 1, 1, {0, 0x142030}},
  };
  for (const auto& c : cases) {
    BITMAPINFO info = info_for(2, c.height);
    std::vector<std::uint32_t> bits(c.expected.size(), 0xDEAD);
    EXPECT_EQ(GetDIBits(dc, bitmap, c.start, c.lines, bits.data(), &info, DIB_RGB_COLORS), c.copied)
        << c.height << " from " << c.start;
    EXPECT_EQ(bits, c.expected) << c.height << " from " << c.start;
  }

  std::vector<std::uint32_t> bits(6);
  BITMAPINFO info = info_for(2, -3);
  BITMAPINFO other_width = info_for(3, -3);
  BITMAPINFO other_depth = info_for(2, -3, 24);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, 3, nullptr, &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(GetDIBits(dc, bitmap, 3, 1, bits.data(), &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, 3, bits.data(), &other_width, DIB_RGB_COLORS), 0);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, 3, bits.data(), &other_depth, DIB_RGB_COLORS), 0);
  EXPECT_EQ(GetDIBits(dc, reinterpret_cast<HBITMAP>(GetStockObject(WHITE_PEN)), 0, 3, bits.data(),
                      &info, DIB_RGB_COLORS), 0);
  DeleteObject(bitmap);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, 3, bits.data(), &info, DIB_RGB_COLORS), 0);
  DeleteDC(dc);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, 3, bits.data(), &info, DIB_RGB_COLORS), 0);
}

}  // namespace
