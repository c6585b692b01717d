// Smoothed text: how coverage mixes ink onto what lies under it, and what TextOutA leaves on
// light and dark grounds.
#include <gtest/gtest.h>

#include "platform/core/pixmap.h"
#include "platform/text/mask_compositing.h"
#include "test_gdi_surface.h"

namespace {

using zorva::platform::text::composite_mask;
using zorva::platform::text::mix_level;
using zorva::platform::text::mix_pixel;

TEST(TextSmoothing, LevelsMixInLinearLight) {
  struct Case {
    int under, ink, coverage, low, high;  // the mixed level lies in [low, high]
  };
  const Case cases[] = {
      {255, 0, 0, 255, 255},   {255, 0, 255, 0, 0},       {77, 77, 128, 77, 77},  // ends and equal levels
      {255, 0, 128, 180, 190},                                                   // black on white: lighter than halfway
      {0, 255, 128, 182, 190},                                                   // white on black: fuller than halfway
      {0, 255, 1, 15, 25},     {0, 255, 254, 250, 255},   {255, 0, 254, 15, 25},
  };
  for (const Case& c : cases) {
    const int mixed = mix_level(static_cast<std::uint8_t>(c.under), static_cast<std::uint8_t>(c.ink),
                                static_cast<std::uint8_t>(c.coverage));
    EXPECT_GE(mixed, c.low) << c.under << " " << c.ink << " " << c.coverage;
    EXPECT_LE(mixed, c.high) << c.under << " " << c.ink << " " << c.coverage;
  }
  // More coverage never moves a level away from the ink, on any pair of levels.
  for (int under = 0; under < 256; under += 15)
    for (int ink = 0; ink < 256; ink += 17)
      for (int coverage = 1; coverage < 256; ++coverage) {
        const int before = mix_level(static_cast<std::uint8_t>(under), static_cast<std::uint8_t>(ink),
                                     static_cast<std::uint8_t>(coverage - 1));
        const int after = mix_level(static_cast<std::uint8_t>(under), static_cast<std::uint8_t>(ink),
                                    static_cast<std::uint8_t>(coverage));
        ASSERT_LE(std::abs(after - ink), std::abs(before - ink)) << under << " " << ink << " " << coverage;
      }
  // Dark ink at nearly full coverage reaches black: the darkest linear values map to 0.
  EXPECT_EQ(mix_level(1, 0, 254), 0);
  // Channels mix apart: red ink over blue keeps green at zero.
  EXPECT_EQ(mix_pixel(0x0000FFu, 0xFF0000u, 128) & 0x00FF00u, 0u);
}

TEST(TextSmoothing, AMaskIsClippedToTheTargetsBox) {
  zorva::platform::Pixmap pixmap(8, 8, 0xFFFFFFu);
  zorva::platform::raster::RasterTarget target;
  target.pixmap = &pixmap;
  target.left = 2, target.top = 2, target.right = 6, target.bottom = 6;
  zorva::platform::text::GlyphMask mask;
  mask.width = mask.height = 10;
  mask.coverage.assign(100, 255);
  composite_mask(target, mask, -3, -3, 0);
  int inked = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 2 && x < 6 && y >= 2 && y < 6;
      EXPECT_EQ(pixmap.row(y)[x], inside ? 0u : 0xFFFFFFu) << x << "," << y;
      inked += pixmap.row(y)[x] == 0;
    }
  EXPECT_EQ(inked, 16);
}

// TextOutA's glyphs: fully inked cores with mixed edges, on a white ground in TRANSPARENT
// mode and on the background colour in OPAQUE mode; the extent is the same either way.
TEST(TextSmoothing, GlyphsHaveInkedCoresAndMixedEdgesInBothModes) {
  for (const int mode : {TRANSPARENT, OPAQUE}) {
    gdi_test::Surface s(120, 40);
    HFONT font = CreateFontA(-24, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "ZORVA-font");
    HGDIOBJ old = SelectObject(s.dc(), font);
    SetBkMode(s.dc(), mode);
    SetBkColor(s.dc(), RGB(0, 0, 0));
    SetTextColor(s.dc(), RGB(255, 255, 255));
    if (mode == TRANSPARENT) s.fill(RGB(0, 0, 0));
    SIZE extent{};
    GetTextExtentPointA(s.dc(), "Wave", 4, &extent);
    ASSERT_TRUE(TextOutA(s.dc(), 4, 4, "Wave", 4));
    int cores = 0, edges = 0;
    for (int y = 4; y < 4 + extent.cy; ++y)
      for (int x = 4; x < 4 + extent.cx; ++x) {
        const COLORREF p = s.at(x, y);
        EXPECT_TRUE(GetRValue(p) == GetGValue(p) && GetGValue(p) == GetBValue(p)) << x << "," << y;
        cores += p == RGB(255, 255, 255);
        edges += p != RGB(255, 255, 255) && p != RGB(0, 0, 0);
      }
    EXPECT_GT(cores, 50) << mode;
    EXPECT_GT(edges, 50) << mode;
    SelectObject(s.dc(), old);
    DeleteObject(font);
  }
}

}  // namespace
