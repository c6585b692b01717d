// One drawing request, built by a primitive and handed to the renderer.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "zorva.h"

namespace zorva {

enum DrawKind : int {
  DRAW_TRIANGLE = 0,
  DRAW_RECTANGLE = 1,
  DRAW_OVAL = 2,
  DRAW_LINE = 3,
  DRAW_PIXEL = 4,
  DRAW_TEXT = 5,
};

// Nine signed 32-bit integers. For rectangles and ovals p1 is the left, top corner (smaller
// x, larger y) and p2 the right, bottom one. For text, p2.x is the point size and p2.y the
// movable block holding the text (a platform handle, which always fits in 32 bits).
struct DrawRecord {
  int kind;
  int color;  // an already validated ColorIndex
  int width;  // 0 = filled (triangle, rectangle, oval); pen width of a line
  Point p1;
  Point p2;
  Point p3;
};

// The text block's handle travels in a 32-bit field of the record.
inline int text_block_field(HGLOBAL block) {
  return static_cast<int>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(block)));
}
inline HGLOBAL text_block_handle(int field) {
  return reinterpret_cast<HGLOBAL>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(field)));
}

// Draws one record onto the off-screen surface and marks the surface as changed. The text
// block of a DRAW_TEXT record stays owned by the caller.
void ZORVA_render(const DrawRecord* record);

}  // namespace zorva
