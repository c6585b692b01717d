// The fixed table of the 24 named colours and the colour check every primitive applies.
#pragma once

#include "platform/win32.h"
#include "zorva.h"

namespace zorva {

// Platform colour value (red in the low byte) of each ColorIndex.
extern const COLORREF color_values[COLOR_COUNT];
// The name the description lines print for each ColorIndex.
extern const char* const color_names[COLOR_COUNT];

// Reports a colour that names none, and gives RED in its place.
ColorIndex report_illegal_color(int color);

// Returns `color` when it names a colour; otherwise reports it and returns RED.
inline ColorIndex check_color(int color) {
  if (color >= 0 && color < COLOR_COUNT) [[likely]] return static_cast<ColorIndex>(color);
  return report_illegal_color(color);
}

}  // namespace zorva
