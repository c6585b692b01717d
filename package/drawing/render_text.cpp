// The DRAW_TEXT step of the renderer: a possibly multi-line text whose first line sits one
// line step above the anchor, so the anchor is the lower-left corner of that line.
#include <algorithm>
#include <climits>
#include <cstring>

#include "drawing/colors.h"
#include "drawing/device_geometry.h"
#include "drawing/renderers.h"
#include "internal/library_state.h"
#include "platform/win32.h"

namespace zorva {
namespace {

// GDI counts characters in an int; a longer text is measured and drawn by its first INT_MAX.
int gdi_count(std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, INT_MAX)); }

// Draws each line of `text` (split at newline bytes, which are never drawn) at x, the first
// line's top at first_top and each further line `step` rows lower. Empty lines and lines
// whose cell lies wholly above or below the surface take their place but draw nothing.
void draw_lines(HDC dc, int x, std::int64_t first_top, std::int64_t step, const char* text) {
  const std::int64_t cell = std::max<std::int64_t>(step, 1);
  std::int64_t top = first_top;
  const char* line = text;
  while (true) {
    const char* newline = std::strchr(line, '\n');
    const std::size_t length = newline ? static_cast<std::size_t>(newline - line) : std::strlen(line);
    const bool visible_rows = top + cell > 0 && top < kSurfaceHeight;
    if (length > 0 && visible_rows) TextOutA(dc, x, clamp_to_safe(top), line, gdi_count(length));
    if (newline == nullptr) break;
    line = newline + 1;
    top += step;
  }
}

}  // namespace

void render_text(HDC dc, const DrawRecord& record) {
  SetTextColor(dc, record_color(record));
  const int saved_mode = GetBkMode(dc);
  SetBkMode(dc, TRANSPARENT);
  // The point size is a character height in pixels; the face name matches no installed
  // font, so the platform's default face stands in.
  const int height = record.p2.x == INT_MIN ? INT_MAX : -record.p2.x;
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0,
                           0, 0, "ZORVA-font");
  HGDIOBJ previous_font = SelectObject(dc, font);

  HGLOBAL block = text_block_handle(record.p2.y);
  const char* text = static_cast<const char*>(GlobalLock(block));
  if (text != nullptr) {
    // Only the height of the whole text's extent is used: it is the line step.
    SIZE extent{0, 0};
    GetTextExtentPointA(dc, text, gdi_count(std::strlen(text)), &extent);
    const DevicePoint anchor = to_device(record.p1);
    draw_lines(dc, clamp_to_safe(anchor.x), anchor.y - extent.cy, extent.cy, text);
    GlobalUnlock(block);
  }

  SetBkMode(dc, saved_mode);
  SelectObject(dc, previous_font);
  DeleteObject(font);
}

}  // namespace zorva
