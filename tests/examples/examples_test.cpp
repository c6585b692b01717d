// The beginner examples, run for real on the headless backend: each is driven the way its
// comment tells a newcomer to use it, and what it draws, writes and returns is checked.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

#include "example_run.h"
#include "internal/library_state.h"
#include "internal/script.h"
#include "platform/testing/headless.h"
#include "support/package_probes.h"
#include "zorva.h"

extern "C" {
int WINAPI hello_main(HINSTANCE, HINSTANCE, LPSTR, int);
int WINAPI click_draw_main(HINSTANCE, HINSTANCE, LPSTR, int);
int WINAPI bouncing_ball_main(HINSTANCE, HINSTANCE, LPSTR, int);
int WINAPI recorded_demo_main(HINSTANCE, HINSTANCE, LPSTR, int);
int WINAPI colour_swatches_main(HINSTANCE, HINSTANCE, LPSTR, int);
int WINAPI coordinates_main(HINSTANCE, HINSTANCE, LPSTR, int);
}

namespace zorva {
namespace {

using testing_support::last_log_line;
using testing_support::script_text;

// The colours as the manual's table gives them, as 0x00RRGGBB.
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kTable[COLOR_COUNT] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x9900CC, 0x003399, 0x996699, 0x99FFFF, 0x99FFCC, 0xFF6600, 0x996633, 0xFF99CC,
    0xFFFF99, 0xCC9933, 0xFF9966, 0x006633, 0x33CC99, 0x999933, 0x808080, 0xCCCCCC};

// Where the ball of bouncing_ball is: the centre of the orange pixels' bounding box.
std::optional<std::pair<int, int>> ball_centre() {
  const platform::Pixmap& frame = headless::framebuffer(g_state.draw_window);
  int left = frame.width, right = -1, top = frame.height, bottom = -1;
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      if (frame.row(y)[x] != kTable[ORANGE]) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return std::nullopt;
  return std::make_pair((left + right) / 2, (top + bottom) / 2);
}

TEST_F(ExampleRun, HelloDrawsItsSceneAndEndsWhenClosed) {
  then([] {
    EXPECT_EQ(pixel(-250, 0), kTable[ICE_BLUE]);        // sky
    EXPECT_EQ(pixel(200, 80), kTable[YELLOW]);          // sun
    EXPECT_EQ(pixel(-10, 60), kTable[RED]);             // roof
    EXPECT_EQ(pixel(-10, -80), kTable[BROWN]);          // door
    EXPECT_EQ(pixel(0, -150), kTable[FOREST_GREEN]);    // grass
    EXPECT_EQ(pixel(120, 110), kTable[BLACK]);          // the one pixel
    EXPECT_EQ(g_state.logging_enabled, 0);              // the text window stays quiet
  });
  run_to_the_end(hello_main);
}

TEST_F(ExampleRun, ClickDrawJoinsClicksChangesColourOnAKeyAndWipesOnSpace) {
  then([] { click(-100, -50); });
  then([] { click(100, 50); });
  then([] {
    EXPECT_EQ(pixel(-100, -50), kTable[BLUE]);
    EXPECT_EQ(pixel(0, 0), kTable[BLUE]);  // on the line between the two dots
    headless::type_text("k");
  });
  then([] { click(150, -100); });
  then([] {
    EXPECT_EQ(pixel(150, -100), kTable[YELLOW]);  // the colour after blue
    EXPECT_EQ(pixel(125, -25), kTable[WHITE]);    // the key lifted the pen: no line
    headless::type_text(" ");
  });
  then([] {
    EXPECT_EQ(pixel(-100, -50), kWhite);
    EXPECT_EQ(pixel(150, -100), kWhite);
  });
  run_to_the_end(click_draw_main);
}

TEST_F(ExampleRun, BouncingBallMovesOnTicksHaltsAndStepsFromTheKeys) {
  std::optional<std::pair<int, int>> before, halted;
  then([&] { before = ball_centre(); });
  then([] { wait_ms(100); });
  then([] { wait_ms(100); });
  then([&] {
    ASSERT_TRUE(before && ball_centre());
    EXPECT_NE(ball_centre(), before) << "two ticks did not move the ball";
    ctrl('H');
  });
  then([] { wait_ms(100); });  // the tick already awaited when halting still comes
  then([&] { halted = ball_centre(); });
  then([] { wait_ms(1000); });
  then([&] {
    EXPECT_EQ(ball_centre(), halted) << "the ball moved while halted";
    ctrl('F');
  });
  then([] { wait_ms(100); });
  then([&] {
    EXPECT_NE(ball_centre(), halted) << "one frame did not move the ball";
    halted = ball_centre();
  });
  then([] { wait_ms(1000); });
  then([&] { EXPECT_EQ(ball_centre(), halted) << "one frame let the animation run on"; });
  then([] { click(-150, 100); });  // catches the ball there
  then([] { EXPECT_EQ(pixel(-150, 100), kTable[ORANGE]); });
  run_to_the_end(bouncing_ball_main);
}

TEST_F(ExampleRun, RecordedDemoRecordsClicksAndKeysAndPlaysThemBack) {
  then([] { ctrl('R'); });
  then([] { click(-100, 50); });
  then([] { headless::type_text("ab"); });
  then([] { ctrl('R'); });
  then([] {
    EXPECT_EQ(script_text(), "ZORVA_MOUSE(-100, 50);\nZORVA_KBD(97);\nZORVA_KBD(98);\n");
    EXPECT_NE(pixel(-100, 50), kWhite);
    headless::type_text(" ");  // wipes the window
  });
  then([] {
    EXPECT_EQ(pixel(-100, 50), kWhite);
    EXPECT_EQ(pixel(-86, 64), kWhite);
    ctrl('P');
  });
  then([] {
    EXPECT_NE(pixel(-100, 50), kWhite) << "the replayed click drew no dot";
    EXPECT_NE(pixel(-86, 64), kWhite) << "the replayed key 'a' drew no line";
    EXPECT_EQ(last_log_line(), "EOF encountered in script file ZORVA.SCR");
  });
  run_to_the_end(recorded_demo_main);
}

TEST_F(ExampleRun, ColourSwatchesShowsEveryColourOfTheTable) {
  then([] {
    for (int color = 0; color < COLOR_COUNT; ++color) {
      const int left = -290 + (color % 4) * 148;
      const int top = 212 - (color / 4) * 78;
      EXPECT_EQ(pixel(left + 68, top - 22), kTable[color]) << "swatch " << color;
      EXPECT_EQ(pixel(left, top - 22), kTable[BLACK]) << "outline of swatch " << color;
    }
  });
  run_to_the_end(colour_swatches_main);
}

TEST_F(ExampleRun, CoordinatesMarksTheOriginTheAxesAndAClickedPoint) {
  then([] {
    EXPECT_EQ(pixel(0, 0), kTable[RED]);
    EXPECT_EQ(pixel(-150, 0), kTable[GRAY_50]);
    EXPECT_EQ(pixel(0, -150), kTable[GRAY_50]);
    EXPECT_EQ(pixel(150, 100), kTable[FOREST_GREEN]);
    // The labelled corners are the corners of the visible area on this platform.
    EXPECT_EQ(g_state.origin_x, 297);
    EXPECT_EQ(g_state.origin_y, 248);
    click(-200, -120);
  });
  then([] { EXPECT_EQ(pixel(-200, -120), kTable[PURPLE]); });
  run_to_the_end(coordinates_main);
}

}  // namespace
}  // namespace zorva
