// The argument corrections of the primitives. Each correction is reported through ZORVA_log
// whether or not logging is on; the call then goes on with the corrected value.
#pragma once

#include <utility>

#include "zorva.h"

namespace zorva {

inline constexpr int kMaxPointSize = 127;

// Reports a negative radius or width and returns its absolute value (the most negative int
// becomes INT_MAX).
int corrected_radius(int radius);
int corrected_width(int width);

// A negative radius becomes its absolute value (the most negative int becomes INT_MAX).
inline int correct_radius(int radius) { return radius >= 0 ? radius : corrected_radius(radius); }
// A negative width becomes its absolute value (the most negative int becomes INT_MAX).
inline int correct_width(int width) { return width >= 0 ? width : corrected_width(width); }
// A negative point size becomes its absolute value, then a size above 127 becomes 127; each
// step reports itself, so -200 gives two messages.
int correct_point_size(int ptsize);

// Puts a box's corners in the order the renderer expects: p1 gets the smaller x and the
// larger y, p2 the larger x and the smaller y.
inline void order_corners(Point& p1, Point& p2) {
  if (p1.x > p2.x) std::swap(p1.x, p2.x);
  if (p1.y < p2.y) std::swap(p1.y, p2.y);
}

}  // namespace zorva
