// The text window: each logged line scrolls the window up by one line and is drawn at the
// bottom; a repaint replays the ring through the same routine. Keys go to the drawing window.
#include <cstring>

#include "internal/console.h"
#include "internal/library_state.h"

namespace zorva {

void append_text_line(char* text) {
  HWND window = g_state.text_window;
  if (window == nullptr || text == nullptr) return;  // not started yet: the line is only stored
  HDC dc = GetDC(window);
  if (dc == nullptr) return;  // the window has been closed

  HGDIOBJ previous_font = SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const int line_height = metrics.tmHeight + metrics.tmExternalLeading;

  ScrollDC(dc, 0, -line_height, nullptr, nullptr, nullptr, nullptr);

  RECT client{};
  GetClientRect(window, &client);

  HBRUSH strip_brush = CreateSolidBrush(GetBkColor(dc));
  HGDIOBJ previous_brush = SelectObject(dc, strip_brush);
  HGDIOBJ previous_pen = SelectObject(dc, GetStockObject(NULL_PEN));
  Rectangle(dc, client.left, client.bottom - line_height, client.right, client.bottom + 1);
  SelectObject(dc, previous_pen);
  SelectObject(dc, previous_brush);
  DeleteObject(strip_brush);

  std::size_t length = std::strlen(text);
  if (length >= 1 && text[length - 1] == '\n') {
    text[length - 1] = '\0';
    --length;
  }
  TextOutA(dc, client.left + 5, client.bottom - line_height, text, static_cast<int>(length));

  SelectObject(dc, previous_font);
  ReleaseDC(window, dc);
}

namespace {

int advance(int slot) { return slot == kLogRingSize - 1 ? 0 : slot + 1; }

void replay_ring() {
  const LibraryState& s = g_state;
  int slot = s.log_first;
  for (int count = 0; slot >= 0 && !(slot == s.log_next && count != 0); ++count) {
    HGLOBAL block = s.log_lines[slot];
    if (char* line = static_cast<char*>(GlobalLock(block))) {
      append_text_line(line);
      GlobalUnlock(block);
    }
    slot = advance(slot);
  }
}

}  // namespace

LRESULT CALLBACK text_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
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
