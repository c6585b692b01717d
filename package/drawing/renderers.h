// The renderer's per-kind steps, shared between its files.
#pragma once

#include "drawing/colors.h"
#include "drawing/draw_record.h"
#include "platform/win32.h"

namespace zorva {

// The record's colour value. The primitives validate the colour; a record built elsewhere
// is still never read outside the table.
inline COLORREF record_color(const DrawRecord& record) {
  return color_values[record.color >= 0 && record.color < COLOR_COUNT ? record.color : RED];
}

// Draws a DRAW_TEXT record: its lines upward from the anchor's lower-left corner.
void render_text(HDC dc, const DrawRecord& record);

}  // namespace zorva
