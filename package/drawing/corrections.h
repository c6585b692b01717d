// The argument corrections of the primitives. Each correction is reported through ZORVA_log
// whether or not logging is on; the call then goes on with the corrected value.
#pragma once

#include "zorva.h"

namespace zorva {

inline constexpr int kMaxPointSize = 127;

// A negative radius becomes its absolute value (the most negative int becomes INT_MAX).
int correct_radius(int radius);
// A negative width becomes its absolute value (the most negative int becomes INT_MAX).
int correct_width(int width);
// A negative point size becomes its absolute value, then a size above 127 becomes 127; each
// step reports itself, so -200 gives two messages.
int correct_point_size(int ptsize);

// Puts a box's corners in the order the renderer expects: p1 gets the smaller x and the
// larger y, p2 the larger x and the smaller y.
void order_corners(Point& p1, Point& p2);

}  // namespace zorva
