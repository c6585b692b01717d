// Wide strokes as unions of simple pieces (boxes, quadrilaterals, discs); the pieces are all
// painted in the pen's one colour, so where they overlap does not matter.
#include "platform/raster/wide_pen.h"

#include <algorithm>
#include <cmath>

#include "platform/raster/ellipse.h"

namespace zorva::platform::raster {
namespace {

using Wide = __int128;

Wide floor_div(Wide a, Wide b) {  // b > 0
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}
Wide ceil_div(Wide a, Wide b) { return -floor_div(-a, b); }

// Fills the pixels whose centres lie inside or on the edge of a convex quadrilateral: a
// stroke's body owns its border on every side, as the pen's discs do.
void fill_convex_inclusive(const RasterTarget& target, const Point64 (&quad)[4], std::uint32_t pixel) {
  std::int64_t y_min = quad[0].y, y_max = quad[0].y;
  for (const Point64& p : quad) {
    y_min = std::min(y_min, p.y);
    y_max = std::max(y_max, p.y);
  }
  const std::int64_t first = std::max(y_min, target.top);
  const std::int64_t last = std::min(y_max, target.bottom - 1);
  for (std::int64_t y = first; y <= last; ++y) {
    Wide lo = 0, hi = -1;
    bool any = false;
    for (int i = 0; i < 4; ++i) {
      const Point64& a = quad[i];
      const Point64& b = quad[(i + 1) % 4];
      if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y)) continue;
      Wide left, right;
      if (a.y == b.y) {
        left = std::min(a.x, b.x);
        right = std::max(a.x, b.x);
      } else {
        // x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y), kept exact.
        Wide num = (Wide{y} - a.y) * (Wide{b.x} - a.x);
        Wide den = Wide{b.y} - a.y;
        if (den < 0) {
          num = -num;
          den = -den;
        }
        left = a.x + ceil_div(num, den);
        right = a.x + floor_div(num, den);
      }
      lo = any ? std::min(lo, left) : left;
      hi = any ? std::max(hi, right) : right;
      any = true;
    }
    if (!any || lo > hi) continue;
    const Wide from = std::max<Wide>(lo, target.left);
    const Wide to = std::min<Wide>(hi + 1, target.right);
    if (from < to) target.fill_span(y, static_cast<std::int64_t>(from), static_cast<std::int64_t>(to), pixel);
  }
}

}  // namespace

void draw_pen_disc(const RasterTarget& target, Point64 centre, std::int64_t w, std::uint32_t pixel) {
  const std::int64_t before = w / 2;
  const Box64 box{centre.x - before, centre.y - before, centre.x - before + w, centre.y - before + w};
  fill_ellipse(target, box, pixel);
}

void draw_wide_segment(const RasterTarget& target, Point64 from, Point64 to, std::int64_t w, std::uint32_t pixel) {
  const std::int64_t before = w / 2;
  if (from.y == to.y) {  // horizontal: a box w rows thick
    target.fill_box(std::min(from.x, to.x), from.y - before, std::max(from.x, to.x) + 1, from.y - before + w, pixel);
    return;
  }
  if (from.x == to.x) {  // vertical: a box w columns thick
    target.fill_box(from.x - before, std::min(from.y, to.y), from.x - before + w, std::max(from.y, to.y) + 1, pixel);
    return;
  }
  // Slanted: the quadrilateral w wide around the path, its corners on whole pixels.
  const double dx = static_cast<double>(to.x - from.x);
  const double dy = static_cast<double>(to.y - from.y);
  const double length = std::hypot(dx, dy);
  const double half = static_cast<double>(w) / 2.0;
  const auto nx = static_cast<std::int64_t>(std::llround(-dy / length * half));
  const auto ny = static_cast<std::int64_t>(std::llround(dx / length * half));
  const Point64 quad[4] = {{from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny}, {from.x - nx, from.y - ny}};
  fill_convex_inclusive(target, quad, pixel);
}

void draw_wide_path(const RasterTarget& target, std::span<const Point64> points, bool closed, std::int64_t w,
                    std::uint32_t pixel) {
  if (points.empty()) return;
  const std::size_t n = points.size();
  const std::size_t segments = closed ? n : n - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const Point64& a = points[i];
    const Point64& b = points[(i + 1) % n];
    if (a.x != b.x || a.y != b.y) draw_wide_segment(target, a, b, w, pixel);
  }
  for (const Point64& p : points) draw_pen_disc(target, p, w, pixel);
}

}  // namespace zorva::platform::raster
