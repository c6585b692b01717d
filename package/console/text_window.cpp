// The text window: each logged line scrolls the window up by one line and is drawn at the
// bottom; a repaint replays the ring through the same routine. Keys go to the drawing window.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "internal/console.h"
#include "internal/library_state.h"
#include "platform/win32.h"

namespace zorva {
namespace {

struct LineText {
  const char* text;
  int length;  // without the trailing newline
};

int length_without_newline(char* text) {
  std::size_t length = std::strlen(text);
  if (length >= 1 && text[length - 1] == '\n') {
    text[length - 1] = '\0';
    --length;
  }
  return static_cast<int>(std::min<std::size_t>(length, INT32_MAX));
}

// Leaves the text window as appending `total` lines one after the other would: each append
// scrolls the window up one line height, clears the strip that uncovers and draws its line
// there. `newest` holds the last `kept` of those lines, oldest first. The window is scrolled
// once by all the lines together, and only the lines that end up in view are drawn, each in
// its final strip: its strip clear and text are the same pixels moved up, and whatever a
// line draws below its strip lands in the strips of later lines, which are cleared after it.
void draw_at_bottom(const LineText* newest, std::size_t kept, std::uint64_t total) {
  HWND window = g_state.text_window;
  if (window == nullptr || total == 0) return;
  HDC dc = GetDC(window);
  if (dc == nullptr) return;  // the window has been closed

  HGDIOBJ previous_font = SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const std::int64_t line_height = std::max<std::int64_t>(0, std::int64_t{metrics.tmHeight} + metrics.tmExternalLeading);

  RECT client{};
  GetClientRect(window, &client);
  const std::int64_t client_height = std::max<std::int64_t>(0, std::int64_t{client.bottom} - client.top);

  // A line moved up by the client height plus a line has left the window, its overhang too.
  std::uint64_t shown = total;
  if (line_height > 0) shown = std::min<std::uint64_t>(total, static_cast<std::uint64_t>(client_height / line_height + 2));
  shown = std::min<std::uint64_t>(shown, kept);

  // Scrolling by the whole height or more leaves nothing of the old contents in view.
  const std::int64_t scroll =
      line_height == 0 ? 0 : static_cast<std::int64_t>(std::min<std::uint64_t>(total, client_height / line_height + 1)) * line_height;
  ScrollDC(dc, 0, static_cast<int>(-std::min(scroll, client_height)), nullptr, nullptr, nullptr, nullptr);

  HBRUSH strip_brush = CreateSolidBrush(GetBkColor(dc));
  HGDIOBJ previous_brush = SelectObject(dc, strip_brush);
  HGDIOBJ previous_pen = SelectObject(dc, GetStockObject(NULL_PEN));
  for (std::uint64_t i = kept - shown; i < kept; ++i) {
    const auto lines_below = static_cast<std::int64_t>(kept - 1 - i);
    const int top = static_cast<int>(client.bottom - line_height * (lines_below + 1));
    const int height = static_cast<int>(line_height);
    // Without a pen the brush leaves out the box's right column and bottom row: one more of
    // each clears the whole strip, so no pixel of an earlier line lingers at the right edge.
    Rectangle(dc, client.left, top, client.right + 1, top + height + 1);
    TextOutA(dc, client.left + 5, top, newest[i].text, newest[i].length);
  }
  SelectObject(dc, previous_pen);
  SelectObject(dc, previous_brush);
  DeleteObject(strip_brush);

  SelectObject(dc, previous_font);
  ReleaseDC(window, dc);
}

// The queued lines followed by `extra` lines, drawn with one scroll.
void draw_queued_and(const LineText* extra, std::size_t extra_count) {
  QueuedLines& queued = g_state.queued_lines;
  std::vector<LineText> lines;
  lines.reserve(queued.kept() + extra_count);
  for (std::size_t i = 0; i < queued.kept(); ++i) {
    const std::string_view line = queued.kept_line(i);
    lines.push_back({line.data(), static_cast<int>(line.size())});
  }
  lines.insert(lines.end(), extra, extra + extra_count);
  draw_at_bottom(lines.data(), lines.size(), queued.total() + extra_count);
  queued.clear();
}

int advance(int slot) { return slot == kLogRingSize - 1 ? 0 : slot + 1; }

// Draws the ring's lines, oldest first, as if each were appended in turn.
void replay_ring() {
  const LibraryState& s = g_state;
  std::vector<HGLOBAL> locked;
  std::vector<LineText> lines;
  int slot = s.log_first;
  for (int count = 0; slot >= 0 && !(slot == s.log_next && count != 0); ++count) {
    HGLOBAL block = s.log_lines[slot];
    if (char* line = static_cast<char*>(GlobalLock(block))) {
      locked.push_back(block);
      lines.push_back({line, length_without_newline(line)});
    }
    slot = advance(slot);
  }
  draw_at_bottom(lines.data(), lines.size(), lines.size());
  for (HGLOBAL block : locked) GlobalUnlock(block);
}

}  // namespace

void append_text_line(char* text) {
  if (g_state.text_window == nullptr || text == nullptr) return;  // not started yet: only stored
  const LineText line{text, length_without_newline(text)};
  draw_queued_and(&line, 1);
}

void draw_queued_lines() {
  if (g_state.queued_lines.empty()) return;
  draw_queued_and(nullptr, 0);
}

LRESULT CALLBACK text_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      draw_queued_lines();  // the repaint comes after them
      PAINTSTRUCT paint{};
      BeginPaint(window, &paint);
      replay_ring();
      EndPaint(window, &paint);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
      // The drawing window handles the keys, so its Ctrl commands work from here too.
      PostMessageA(g_state.draw_window, message, wparam, lparam);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace zorva
