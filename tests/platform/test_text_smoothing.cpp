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

// Kept mixes give what mixing each pixel afresh gives: on grounds that change from pixel to
// pixel (more than the cache keeps), on a ground box filled in advance, clipped or not.
TEST(TextSmoothing, KeptMixesEqualFreshOnes) {
  using zorva::platform::text::GroundBox;
  struct Case {
    const char* name;
    int x, y;                 // the mask's top-left on a 40x20 target
    bool ground;              // the box (4,3)-(30,15) holds the ground pixel
    int clip_left, clip_right;
  };
  const Case cases[] = {
      {"many grounds", 2, 1, false, 0, 40},
      {"ground box", 2, 1, true, 0, 40},
      {"ground box clipped", -5, -2, true, 6, 25},
      {"mask inside the box", 6, 4, true, 0, 40},
  };
  for (const Case& c : cases) {
    zorva::platform::Pixmap pixmap(40, 20, 0);
    const std::uint32_t ground_pixel = 0xF0E0D0u;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool in_box = c.ground && x >= 4 && x < 30 && y >= 3 && y < 15;
        pixmap.row(y)[x] = in_box ? ground_pixel : static_cast<std::uint32_t>((x * 37 + y * 11) % 13) * 0x131313u;
      }
    zorva::platform::Pixmap expected = pixmap;
    zorva::platform::text::GlyphMask mask;
    mask.width = 33;
    mask.height = 17;
    for (int i = 0; i < mask.width * mask.height; ++i)
      mask.coverage.push_back(static_cast<std::uint8_t>(i % 7 == 0 ? 0 : (i * 53) % 256));
    zorva::platform::raster::RasterTarget target;
    target.pixmap = &pixmap;
    target.left = c.clip_left, target.top = 0, target.right = c.clip_right, target.bottom = 20;
    const std::uint32_t ink = 0x2050A0u;
    for (int r = 0; r < mask.height; ++r)
      for (int col = 0; col < mask.width; ++col) {
        const int x = c.x + col, y = c.y + r;
        if (x < c.clip_left || x >= c.clip_right || y < 0 || y >= 20) continue;
        const std::uint8_t level = mask.coverage[static_cast<std::size_t>(r * mask.width + col)];
        expected.row(y)[x] = mix_pixel(expected.row(y)[x], ink, level);
      }
    zorva::platform::text::MixCache mixes;
    const GroundBox box{4, 3, 30, 15, ground_pixel};
    for (int pass = 0; pass < 2; ++pass) {  // the second pass meets mixes the first one kept
      zorva::platform::Pixmap drawn = pixmap;
      target.pixmap = &drawn;
      composite_mask(target, mask, c.x, c.y, ink, mixes, c.ground ? &box : nullptr);
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(drawn.row(y)[x], expected.row(y)[x]) << c.name << " " << x << "," << y;
    }
  }
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
