// The log ring, the text window's drawing and repaint, and logging control.
#include <cstring>
#include <string>
#include <vector>

#include "internal/menu_ids.h"
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

using Console = StartedPackage;

std::vector<std::uint32_t> text_window_pixels() {
  RECT client{};
  GetClientRect(g_state.text_window, &client);
  std::vector<std::uint32_t> pixels;
  for (int y = client.top; y < client.bottom; ++y) {
    for (int x = client.left; x < client.right; ++x) {
      pixels.push_back(headless::client_pixel(g_state.text_window, x, y));
    }
  }
  return pixels;
}

// Whether any pixel of the text window's bottom line is not white.
bool bottom_line_has_ink() {
  RECT client{};
  GetClientRect(g_state.text_window, &client);
  for (int y = client.bottom - 8; y < client.bottom; ++y) {
    for (int x = client.left; x < client.right; ++x) {
      if (headless::client_pixel(g_state.text_window, x, y) != 0xFFFFFFu) return true;
    }
  }
  return false;
}

void paint_text_window() {
  InvalidateRect(g_state.text_window, nullptr, TRUE);
  UpdateWindow(g_state.text_window);
}

TEST_F(Console, RingIndicesFillThenWrap) {
  ZORVA_log("first\n");
  EXPECT_EQ(g_state.log_first, 0);
  EXPECT_EQ(g_state.log_next, 1);
  for (int i = 2; i <= 25; ++i) ZORVA_log("line %d\n", i);
  EXPECT_EQ(g_state.log_first, 0);
  EXPECT_EQ(g_state.log_next, 0);
  const std::size_t blocks = headless::live_memory_blocks();
  ZORVA_log("line 26\n");
  EXPECT_EQ(g_state.log_first, 1);
  EXPECT_EQ(g_state.log_next, 1);
  EXPECT_EQ(headless::live_memory_blocks(), blocks);  // the oldest block was freed
  EXPECT_EQ(last_log_line(), "line 26");
}

TEST_F(Console, LinesAreStoredWithTheirNewlineAndExactSize) {
  EXPECT_EQ(ZORVA_log("abc\n"), 4);
  EXPECT_EQ(GlobalSize(g_state.log_lines[0]), 5u);
  EXPECT_EQ(std::strcmp(static_cast<char*>(GlobalLock(g_state.log_lines[0])), "abc\n"), 0);
  GlobalUnlock(g_state.log_lines[0]);
  EXPECT_EQ(ZORVA_log("%s", ""), 0);
  EXPECT_EQ(GlobalSize(g_state.log_lines[1]), 1u);
  EXPECT_FALSE(bottom_line_has_ink());  // an empty line scrolls a blank line in
}

TEST_F(Console, OverlongLinesAreCutTo1023Characters) {
  const std::string huge(5000, 'x');
  EXPECT_EQ(ZORVA_log("%s", huge.c_str()), 1023);
  EXPECT_EQ(GlobalSize(g_state.log_lines[0]), 1024u);
  EXPECT_EQ(last_log_line(), huge.substr(0, 1023));
  EXPECT_EQ(ZORVA_log(nullptr), 0);
}

TEST_F(Console, AppendDrawsTheLineAtTheBottomAndScrollsTheRest) {
  paint_text_window();
  EXPECT_FALSE(bottom_line_has_ink());
  ZORVA_set_logging(0);
  ZORVA_log("logged with logging off\n");
  EXPECT_TRUE(bottom_line_has_ink());
  ZORVA_log("\n");
  EXPECT_FALSE(bottom_line_has_ink());
}

TEST_F(Console, RepaintReplaysTheRingAsItWasDrawn) {
  for (int i = 0; i < 40; ++i) ZORVA_log("line %d of the log\n", i);
  const auto drawn = text_window_pixels();
  paint_text_window();
  EXPECT_EQ(text_window_pixels(), drawn);
  EXPECT_EQ(g_state.log_first, 40 % kLogRingSize);
}

TEST_F(Console, SetLoggingSetsTheFlagTheMarkAndShowsTheWindow) {
  ZORVA_show_text_window(0);
  EXPECT_EQ(ZORVA_set_logging(0), 1);
  EXPECT_FALSE(checked(kCommandLogging));
  EXPECT_FALSE(IsWindowVisible(g_state.text_window));
  EXPECT_EQ(ZORVA_set_logging(5), 1);
  EXPECT_EQ(g_state.logging_enabled, 1);
  EXPECT_TRUE(checked(kCommandLogging));
  EXPECT_TRUE(IsWindowVisible(g_state.text_window));
  EXPECT_NE(ZORVA_show_text_window(0), 0);  // it was visible
  EXPECT_EQ(ZORVA_show_text_window(0), 0);
}

TEST_F(Console, ClosedTextWindowStillStoresLines) {
  headless::close_request(g_state.text_window);
  when_idle([] { click_logical(0, 0); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  ZORVA_log("after close\n");
  EXPECT_EQ(last_log_line(), "after close");
}

TEST(ConsoleBeforeStart, LogOnlyStoresTheLine) {
  headless::reset();
  reset_library_state();
  EXPECT_EQ(ZORVA_log("early %d\n", 1), 8);
  EXPECT_EQ(g_state.log_next, 1);
  EXPECT_EQ(ZORVA_show_text_window(1), 0);
  headless::reset();
  reset_library_state();
}

}  // namespace
}  // namespace zorva::testing_support
