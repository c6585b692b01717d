// The shape primitives: pixel, circle, triangle, rectangle, oval and line. The point forms
// do the work: check and correct, describe the call while logging is on, build one record and
// render it. The coordinate forms only pack their pairs into Points.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "drawing/colors.h"
#include "drawing/corrections.h"
#include "drawing/draw_record.h"
#include "internal/console.h"
#include "internal/library_state.h"

namespace zorva {
namespace {

bool describing() { return g_state.logging_enabled != 0; }

// A circle's box edge: centre +- radius, held in the int range. Where the exact edge lies
// beyond it, the edge is already more than 2^31 pixels from the surface, so the visible
// part of the circle does not change.
int saturated(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

void render(DrawRecord record) { ZORVA_render(&record); }

// A rectangle whose colour or width needs correcting, or that is described while logging is
// on; the corners are already in order.
[[gnu::noinline]] int draw_rectangle_reporting(int color, Point p1, Point p2, int width) {
  const ColorIndex c = check_color(color);
  width = correct_width(width);
  if (describing()) {
    if (width == 0) {
      log_drawing_call("%s rectangle with bounding box (%d,%d) to (%d,%d), filled\n",
                       color_names[c], p1.x, p1.y, p2.x, p2.y);
    } else {
      log_drawing_call("%s rectangle with bounding box (%d,%d) to (%d,%d) with line width %d\n",
                       color_names[c], p1.x, p1.y, p2.x, p2.y, width);
    }
  }
  render({DRAW_RECTANGLE, c, width, p1, p2, {0, 0}});
  return 1;
}

}  // namespace
}  // namespace zorva

using namespace zorva;

extern "C" {

int ZORVA_draw_pixel_p(int color, Point p) {
  const ColorIndex c = check_color(color);
  if (describing()) log_drawing_call("%s pixel at (%d,%d)\n", color_names[c], p.x, p.y);
  render({DRAW_PIXEL, c, 0, p, {0, 0}, {0, 0}});
  return 1;
}

int ZORVA_draw_circle_p(int color, Point centre, int radius) {
  const ColorIndex c = check_color(color);
  radius = correct_radius(radius);
  if (describing()) {
    log_drawing_call("%s circle at (%d,%d), radius %d\n", color_names[c], centre.x, centre.y,
                     radius);
  }
  const Point top_left{saturated(std::int64_t{centre.x} - radius),
                       saturated(std::int64_t{centre.y} + radius)};
  const Point bottom_right{saturated(std::int64_t{centre.x} + radius),
                           saturated(std::int64_t{centre.y} - radius)};
  render({DRAW_OVAL, c, 0, top_left, bottom_right, {0, 0}});
  return 1;
}

int ZORVA_draw_triangle_p(int color, Point p1, Point p2, Point p3, int width) {
  const ColorIndex c = check_color(color);
  width = correct_width(width);
  if (describing()) {
    log_drawing_call("%s triangle at (%d,%d), (%d,%d), (%d,%d)\n", color_names[c], p1.x, p1.y, p2.x,
                     p2.y, p3.x, p3.y);
  }
  render({DRAW_TRIANGLE, c, width, p1, p2, p3});
  return 1;
}

int ZORVA_draw_rectangle_p(int color, Point p1, Point p2, int width) {
  order_corners(p1, p2);
  // The most frequent call (the stars), mostly with nothing to correct or describe: its record
  // goes straight to the renderer, and nothing is kept in registers across a call.
  if (color >= 0 && color < COLOR_COUNT && width >= 0 && !describing()) [[likely]] {
    const DrawRecord record{DRAW_RECTANGLE, color, width, p1, p2, {0, 0}};
    ZORVA_render(&record);
    return 1;
  }
  return draw_rectangle_reporting(color, p1, p2, width);
}

int ZORVA_draw_oval_p(int color, Point p1, Point p2, int width) {
  order_corners(p1, p2);
  width = correct_width(width);
  const ColorIndex c = check_color(color);
  if (describing()) {
    if (width == 0) {
      log_drawing_call("%s oval with bounding box (%d,%d) to (%d,%d), filled\n", color_names[c],
                       p1.x, p1.y, p2.x, p2.y);
    } else {
      log_drawing_call("%s oval with bounding box (%d,%d) to (%d,%d), line width %d\n",
                       color_names[c], p1.x, p1.y, p2.x, p2.y, width);
    }
  }
  render({DRAW_OVAL, c, width, p1, p2, {0, 0}});
  return 1;
}

int ZORVA_draw_line_p(int color, Point p1, Point p2, int width) {
  width = correct_width(width);
  const ColorIndex c = check_color(color);
  if (describing()) {
    log_drawing_call("%s line from (%d,%d) to (%d,%d), width %d\n", color_names[c], p1.x, p1.y,
                     p2.x, p2.y, width);
  }
  // Width 0 is described as given and drawn one pixel wide.
  render({DRAW_LINE, c, width == 0 ? 1 : width, p1, p2, {0, 0}});
  return 1;
}

int ZORVA_draw_pixel(int color, int x, int y) { return ZORVA_draw_pixel_p(color, Point{x, y}); }

int ZORVA_draw_circle(int color, int x, int y, int radius) {
  return ZORVA_draw_circle_p(color, Point{x, y}, radius);
}

int ZORVA_draw_triangle(int color, int x1, int y1, int x2, int y2, int x3, int y3, int width) {
  return ZORVA_draw_triangle_p(color, Point{x1, y1}, Point{x2, y2}, Point{x3, y3}, width);
}

int ZORVA_draw_rectangle(int color, int x1, int y1, int x2, int y2, int width) {
  return ZORVA_draw_rectangle_p(color, Point{x1, y1}, Point{x2, y2}, width);
}

int ZORVA_draw_oval(int color, int x1, int y1, int x2, int y2, int width) {
  return ZORVA_draw_oval_p(color, Point{x1, y1}, Point{x2, y2}, width);
}

int ZORVA_draw_line(int color, int x1, int y1, int x2, int y2, int width) {
  return ZORVA_draw_line_p(color, Point{x1, y1}, Point{x2, y2}, width);
}

}  // extern "C"
