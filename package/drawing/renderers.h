// The renderer's per-kind steps, shared between its files.
#pragma once

#include "drawing/draw_record.h"

namespace zorva {

// Draws a DRAW_TEXT record: its lines upward from the anchor's lower-left corner.
void render_text(HDC dc, const DrawRecord& record);

}  // namespace zorva
