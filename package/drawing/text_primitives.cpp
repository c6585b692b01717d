// The text primitives. The text is copied into a movable block that the record carries by
// handle; the primitive owns the block and frees it once the record is rendered.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "drawing/colors.h"
#include "drawing/corrections.h"
#include "drawing/draw_record.h"
#include "internal/console.h"
#include "internal/library_state.h"
#include "platform/win32.h"

namespace zorva {
namespace {

// Room for the formatted-text entries: at most 1023 characters and the NUL. Longer
// formatted text is cut to fit.
constexpr std::size_t TEXTF_BUFFER_SIZE = 1024;

// A copy of `text` with its NUL in a new movable block, unlocked; null without memory.
HGLOBAL copy_to_block(const char* text) {
  const std::size_t n = std::strlen(text);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n + 1);
  if (block == nullptr) return nullptr;
  char* copy = static_cast<char*>(GlobalLock(block));
  if (copy == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(copy, text, n + 1);
  GlobalUnlock(block);
  return block;
}

// Formats into `buffer`; returns the count the formatting reports (which may exceed what
// fits). An encoding error leaves an empty text and its negative result.
int format_text(char (&buffer)[TEXTF_BUFFER_SIZE], const char* format, std::va_list args) {
  buffer[0] = '\0';
  if (format == nullptr) return 0;
  const int produced = std::vsnprintf(buffer, sizeof buffer, format, args);
  if (produced < 0) buffer[0] = '\0';
  return produced;
}

}  // namespace
}  // namespace zorva

using namespace zorva;

extern "C" {

int ZORVA_draw_text_p(int color, Point p, int ptsize, const char* text) {
  if (text == nullptr) text = "";  // a missing text draws as an empty one
  ptsize = correct_point_size(ptsize);
  const ColorIndex c = check_color(color);
  if (g_state.logging_enabled) {
    log_drawing_call("%s text at (%d,%d), \"%s\"\n", color_names[c], p.x, p.y, text);
  }
  HGLOBAL block = copy_to_block(text);
  if (block == nullptr) return 1;  // no memory for the copy: the drawing is skipped
  DrawRecord record{DRAW_TEXT, c, 0, p, {ptsize, text_block_field(block)}, {0, 0}};
  ZORVA_render(&record);
  GlobalFree(block);
  return 1;
}

int ZORVA_draw_text(int color, int x, int y, int ptsize, const char* text) {
  return ZORVA_draw_text_p(color, Point{x, y}, ptsize, text);
}

int ZORVA_draw_textf_p(int color, Point p, int ptsize, const char* format, ...) {
  char buffer[TEXTF_BUFFER_SIZE];
  std::va_list args;
  va_start(args, format);
  const int produced = format_text(buffer, format, args);
  va_end(args);
  ZORVA_draw_text_p(color, p, ptsize, buffer);
  return produced;
}

int ZORVA_draw_textf(int color, int x, int y, int ptsize, const char* format, ...) {
  char buffer[TEXTF_BUFFER_SIZE];
  std::va_list args;
  va_start(args, format);
  const int produced = format_text(buffer, format, args);
  va_end(args);
  ZORVA_draw_text(color, x, y, ptsize, buffer);
  return produced;
}

}  // extern "C"
