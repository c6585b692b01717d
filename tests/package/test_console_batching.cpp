// Descriptions of drawing calls are drawn in the text window in batches, one scroll per
// batch: the window must end up exactly as drawing every line when it was logged leaves it.
#include <string>
#include <vector>

#include "internal/console.h"
#include "test_events_fixture.h"

namespace zorva::testing_support {
namespace {

// The text window's framebuffer, read in one piece (pixel by pixel is slow under the sanitizers).
std::vector<std::uint32_t> text_window_pixels() { return headless::framebuffer(g_state.text_window).pixels; }

int lines_in_view() {
  HDC dc = GetDC(g_state.text_window);
  HGDIOBJ previous = SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(g_state.text_window, dc);
  RECT client{};
  GetClientRect(g_state.text_window, &client);
  return (client.bottom - client.top) / (metrics.tmHeight + metrics.tmExternalLeading);
}

// Lines with descenders, accents above capitals, tabs, a full-length line and empty ones.
std::vector<std::string> sample_lines(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    switch (i % 5) {
      case 0: lines.push_back("RED rectangle with bounding box (" + std::to_string(i) + ",-250) to (300,300), filled"); break;
      case 1: lines.push_back("gjpqy|_ \xC9\xC0\xC5 under and over " + std::to_string(i)); break;
      case 2: lines.push_back(""); break;
      case 3: lines.push_back(std::string(1023, static_cast<char>('A' + i % 26))); break;
      default: lines.push_back("tab\there " + std::to_string(i)); break;
    }
  }
  return lines;
}

class TextBatching : public StartedPackage {
 protected:
  void restart() {
    TearDown();
    SetUp();
    ZORVA_log("older contents, scrolled by the lines after them\n");
    ZORVA_log("gjpqy second older line\n");
  }
  // Paints the text window white and logs two lines, without starting afresh (which is slow
  // under the sanitizers); nothing in between lets the window repaint itself.
  static void clear_window() {
    HDC dc = GetDC(g_state.text_window);
    RECT client{};
    GetClientRect(g_state.text_window, &client);
    HGDIOBJ previous_pen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ previous_brush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, client.left, client.top, client.right + 1, client.bottom + 1);
    SelectObject(dc, previous_brush);
    SelectObject(dc, previous_pen);
    ReleaseDC(g_state.text_window, dc);
    ZORVA_log("older contents, scrolled by the lines after them\n");
    ZORVA_log("gjpqy second older line\n");
  }
  // The window after the lines, drawn either each at once or described and drawn as a batch.
  std::vector<std::uint32_t> window_after(const std::vector<std::string>& lines, bool batched) {
    clear_window();
    for (const std::string& line : lines) {
      if (batched) log_drawing_call("%s\n", line.c_str());
      else ZORVA_log("%s\n", line.c_str());
    }
    draw_queued_lines();
    return text_window_pixels();
  }
};

TEST_F(TextBatching, ABatchLeavesTheSamePixelsAsLineByLine) {
  const int view = lines_in_view();
  ASSERT_GT(view, 3);
  for (int count : {1, 2, view - 1, view, view + 1, view + 2, view + 3, 2 * view + 5, 300}) {  // 300: more than are kept
    SCOPED_TRACE(count);
    const std::vector<std::string> lines = sample_lines(count);
    EXPECT_EQ(window_after(lines, true), window_after(lines, false));
  }
}

TEST_F(TextBatching, AnImmediateLineComesAfterTheQueuedOnes) {
  clear_window();
  log_drawing_call("queued first\n");
  log_drawing_call("queued second\n");
  ZORVA_log("at once\n");
  const auto mixed = text_window_pixels();
  clear_window();
  ZORVA_log("queued first\n");
  ZORVA_log("queued second\n");
  ZORVA_log("at once\n");
  EXPECT_EQ(mixed, text_window_pixels());
}

TEST_F(TextBatching, DescribedCallsAreInTheRingAtOnceAndOnScreenAfterTheNextTurn) {
  restart();
  const auto before = text_window_pixels();
  ZORVA_set_logging(1);
  ZORVA_draw_pixel(RED, 1, 2);
  EXPECT_EQ(last_log_line(), "red pixel at (1,2)");
  when_idle([] { click_logical(0, 0); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  const auto shown = text_window_pixels();
  EXPECT_NE(shown, before);
  restart();
  ZORVA_log("red pixel at (1,2)\n");
  when_idle([] { click_logical(0, 0); });
  EXPECT_EQ(next_event().kind, ZORVA_MOUSE);
  EXPECT_EQ(shown, text_window_pixels());
}

TEST_F(TextBatching, ARepaintDrawsTheQueuedLinesFirst) {
  const std::vector<std::string> lines = sample_lines(30);
  restart();
  for (const std::string& line : lines) log_drawing_call("%s\n", line.c_str());
  InvalidateRect(g_state.text_window, nullptr, FALSE);  // no erase: the old pixels show through
  UpdateWindow(g_state.text_window);
  const auto batched = text_window_pixels();
  window_after(lines, false);
  InvalidateRect(g_state.text_window, nullptr, FALSE);
  UpdateWindow(g_state.text_window);
  EXPECT_EQ(batched, text_window_pixels());
  EXPECT_TRUE(g_state.queued_lines.empty());
}

TEST_F(TextBatching, ANewLineClearsItsWholeStripUpToTheRightEdge) {
  clear_window();
  RECT client{};
  GetClientRect(g_state.text_window, &client);
  const int height = lines_in_view() > 0 ? (client.bottom - client.top) / lines_in_view() : 0;
  auto right_column_ink = [&] {
    const zorva::platform::Pixmap& frame = headless::framebuffer(g_state.text_window);
    int ink = 0;
    for (int y = client.bottom - height; y < client.bottom; ++y) ink += frame.row(y)[client.right - 1] != 0xFFFFFFu;
    return ink;
  };
  for (char c : std::string("@#MW")) {
    ZORVA_log("%s\n", std::string(1023, c).c_str());  // runs past the right edge
    if (right_column_ink() > 0) break;
  }
  ASSERT_GT(right_column_ink(), 0) << "no long line left ink in the last column";
  ZORVA_log("short\n");
  EXPECT_EQ(right_column_ink(), 0);
}

TEST_F(TextBatching, AClosedTextWindowDropsTheQueue) {
  restart();
  log_drawing_call("queued\n");
  DestroyWindow(g_state.text_window);
  draw_queued_lines();
  EXPECT_TRUE(g_state.queued_lines.empty());
  EXPECT_EQ(last_log_line(), "queued");
}

}  // namespace
}  // namespace zorva::testing_support
