// The scale factor for dense screens: how it is chosen from ZORVA_SCALE and the desktop's
// hints, that it fits the screen, and the exact integer mappings both ways.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "platform/driver/screen_scale.h"

using zorva::platform::choose_scale;
using zorva::platform::DesktopFacts;
using zorva::platform::scale_up;
using zorva::platform::to_program_pixels;

namespace {

DesktopFacts desktop(int width, int height, double dpi = 0, const char* gdk = "", double display = 0) {
  DesktopFacts facts;
  facts.usable_width = width;
  facts.usable_height = height;
  facts.xft_dpi = dpi;
  facts.gdk_scale = gdk;
  facts.display_scale = display;
  return facts;
}

TEST(ScreenScale, ChosenFromTheRequestOrTheDesktopAndLoweredToFit) {
  struct Case {
    const char* what;
    DesktopFacts facts;
    const char* requested;
    int factor;
    bool complaint;
  };
  const Case cases[] = {
      {"no hints", desktop(2560, 1600), nullptr, 1, false},
      {"Xft.dpi 192", desktop(2560, 1560, 192), nullptr, 2, false},
      {"Xft.dpi 144 rounds down", desktop(2560, 1560, 144), nullptr, 1, false},
      {"Xft.dpi 288 on 4K", desktop(3840, 2100, 288), nullptr, 3, false},
      {"Xft.dpi 960 stops at 4", desktop(7680, 4320, 960), nullptr, 4, false},
      {"GDK_SCALE", desktop(2560, 1560, 96, "2"), nullptr, 2, false},
      {"GDK_SCALE not a number", desktop(2560, 1560, 0, "two"), nullptr, 1, false},
      {"the largest hint", desktop(3840, 2100, 192, "3"), nullptr, 3, false},
      {"display scale 2.5", desktop(2560, 1560, 0, "", 2.5), nullptr, 2, false},
      {"lowered: 1920x1080 at 2 leaves 540 rows", desktop(1920, 1050, 192), nullptr, 1, false},
      {"lowered from 4 to 2", desktop(2560, 1560, 384), nullptr, 2, false},
      {"no usable area known", desktop(0, 0, 192), nullptr, 1, false},
      {"ZORVA_SCALE=3 as asked", desktop(1280, 1024), "3", 3, false},
      {"ZORVA_SCALE=1 over the desktop", desktop(2560, 1560, 192), "1", 1, false},
      {"ZORVA_SCALE empty: the desktop's", desktop(2560, 1560, 192), "", 2, false},
      {"ZORVA_SCALE=0", desktop(2560, 1560, 192), "0", 2, true},
      {"ZORVA_SCALE=7", desktop(2560, 1560), "7", 1, true},
      {"ZORVA_SCALE=big", desktop(2560, 1560), "big", 1, true},
      {"ZORVA_SCALE=2x", desktop(2560, 1560), "2x", 1, true},
      {"ZORVA_SCALE=-2", desktop(2560, 1560), "-2", 1, true},
      {"ZORVA_SCALE huge", desktop(2560, 1560), "99999999999999999999", 1, true},
  };
  for (const Case& c : cases) {
    const auto choice = choose_scale(c.facts, c.requested);
    EXPECT_EQ(choice.factor, c.factor) << c.what;
    EXPECT_EQ(!choice.complaint.empty(), c.complaint) << c.what << ": " << choice.complaint;
    if (c.complaint) {
      EXPECT_EQ(choice.complaint.find('\n'), std::string::npos) << c.what;
    }
  }
  EXPECT_EQ(choose_scale(desktop(1, 1), "big").complaint,
            "ZORVA_SCALE=\"big\" is not a scale from 1 to 4; using the desktop's");
}

// A screen pixel inside a window maps to the program's pixel whose block holds it: at the
// corners and the centre of a 601 by 540 window, at every factor, with no drift.
TEST(ScreenScale, ScreenPositionsMapToTheBlockThatHoldsThem) {
  const int width = 601, height = 540;
  const int points[][2] = {{0, 0}, {width - 1, 0}, {0, height - 1}, {width - 1, height - 1}, {300, 270}};
  for (int factor = 1; factor <= 4; ++factor)
    for (const auto& p : points)
      for (int dy = 0; dy < factor; ++dy)
        for (int dx = 0; dx < factor; ++dx) {
          EXPECT_EQ(to_program_pixels(p[0] * factor + dx, factor), p[0]) << factor;
          EXPECT_EQ(to_program_pixels(p[1] * factor + dy, factor), p[1]) << factor;
        }
  // Left of or above the window (the button held), and the ends of int.
  EXPECT_EQ(to_program_pixels(-1, 2), -1);
  EXPECT_EQ(to_program_pixels(-2, 2), -1);
  EXPECT_EQ(to_program_pixels(-3, 2), -2);
  EXPECT_EQ(to_program_pixels(INT_MIN, 3), INT_MIN / 3 - 1);
  EXPECT_EQ(to_program_pixels(INT_MAX, 4), INT_MAX / 4);
  EXPECT_EQ(to_program_pixels(-7, 1), -7);
}

// Each pixel becomes one block of its own colour, and taking one pixel of each block gives
// the picture back, at every factor; rows apart by stride and pitch, the padding untouched.
TEST(ScreenScale, ScalingMakesBlocksOfOneColour) {
  const int width = 5, height = 3, stride = 7;
  std::vector<std::uint32_t> picture(stride * height);
  for (int i = 0; i < stride * height; ++i) picture[i] = 0x00010203u * static_cast<std::uint32_t>(i + 1);
  for (int factor = 1; factor <= 4; ++factor) {
    const int pitch_pixels = width * factor + 3;
    std::vector<std::uint32_t> screen(pitch_pixels * height * factor, 0xDEADBEEFu);
    scale_up(picture.data(), width, height, stride, factor, screen.data(), pitch_pixels * 4);
    for (int y = 0; y < height * factor; ++y) {
      for (int x = 0; x < width * factor; ++x)
        ASSERT_EQ(screen[y * pitch_pixels + x], picture[(y / factor) * stride + x / factor]) << factor;
      for (int x = width * factor; x < pitch_pixels; ++x) ASSERT_EQ(screen[y * pitch_pixels + x], 0xDEADBEEFu);
    }
  }
}

}  // namespace
