// Wide strokes as unions of simple pieces (boxes, quadrilaterals, discs); the pieces are all
// painted in the pen's one colour, so where they overlap does not matter.
#include "platform/raster/wide_pen.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/raster/ellipse.h"
#include "platform/raster/raster_scratch.h"
#include "platform/raster/wide_math.h"

namespace zorva::platform::raster {
namespace {

// The span [lo, hi) that a convex quadrilateral covers on row y by the polygon rule: a pixel is
// in when its centre is inside, points on a left or top edge in and on a right or bottom edge
// out. False when the row misses it.
bool quad_row(const Point64 (&quad)[4], std::int64_t y, Wide& lo, Wide& hi) {
  bool any = false;
  for (int i = 0; i < 4; ++i) {
    const Point64& a = quad[i];
    const Point64& b = quad[(i + 1) % 4];
    if (a.y == b.y || y < std::min(a.y, b.y) || y >= std::max(a.y, b.y)) continue;
    // The first pixel at or right of x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y).
    Wide num = (Wide{y} - a.y) * (Wide{b.x} - a.x);
    Wide den = Wide{b.y} - a.y;
    if (den < 0) {
      num = -num;
      den = -den;
    }
    const Wide x = a.x + ceil_div(num, den);
    lo = any ? std::min(lo, x) : x;
    hi = any ? std::max(hi, x) : x;
    any = true;
  }
  return any && lo < hi;
}

void fill_convex_half_open(const RasterTarget& target, const Point64 (&quad)[4], std::uint32_t pixel) {
  std::int64_t y_min = quad[0].y, y_max = quad[0].y;
  for (const Point64& p : quad) {
    y_min = std::min(y_min, p.y);
    y_max = std::max(y_max, p.y);
  }
  const std::int64_t first = std::max(y_min, target.top);
  const std::int64_t end = std::min(y_max, target.bottom);  // exclusive
  for (std::int64_t y = first; y < end; ++y) {
    Wide lo = 0, hi = 0;
    if (!quad_row(quad, y, lo, hi)) continue;
    const Wide from = std::max<Wide>(lo, target.left);
    const Wide to = std::min<Wide>(hi, target.right);
    if (from < to) target.fill_span(y, static_cast<std::int64_t>(from), static_cast<std::int64_t>(to), pixel);
  }
}

// The corner offsets of a slanted segment's body. On the side facing +x the offset is the exact
// half-width vector pushed out to the next whole pixel in each axis, on the other side it is
// rounded (halves away from the path): the body leans half a pixel towards +x, as the
// reference renderer draws it.
void body_offsets(std::int64_t dx, std::int64_t dy, std::int64_t w, Point64& left_side, Point64& right_side) {
  const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
  const double half = static_cast<double>(w) / 2.0;
  double vx = -static_cast<double>(dy) / length * half;  // one perpendicular, |v| = w / 2
  double vy = static_cast<double>(dx) / length * half;
  if (vx > 0) {  // make v point to -x
    vx = -vx;
    vy = -vy;
  }
  left_side = Point64{std::llround(vx), std::llround(vy)};
  const auto outwards = [](double v) {
    const auto whole = static_cast<std::int64_t>(std::floor(std::fabs(v))) + 1;
    return v < 0 ? -whole : whole;
  };
  right_side = Point64{outwards(-vx), outwards(-vy)};
}

// The body of the slanted segment from -> to.
void body_quad(Point64 from, Point64 to, std::int64_t w, Point64 (&quad)[4]) {
  Point64 l, r;
  body_offsets(to.x - from.x, to.y - from.y, w, l, r);
  quad[0] = Point64{from.x + l.x, from.y + l.y};
  quad[1] = Point64{to.x + l.x, to.y + l.y};
  quad[2] = Point64{to.x + r.x, to.y + r.y};
  quad[3] = Point64{from.x + r.x, from.y + r.y};
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
  // Slanted: a parallelogram about w wide along the path, its corners on whole pixels.
  Point64 quad[4];
  body_quad(from, to, w, quad);
  fill_convex_half_open(target, quad, pixel);
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

void stroke_ellipse_outline(const RasterTarget& target, const Box64& box, std::int64_t w, std::uint32_t pixel) {
  if (target.empty() || w < 1) return;
  const std::int64_t before = w / 2;
  const std::int64_t after = w - 1 - before;
  // Nothing of the stroke lies more than w / 2 + 1 beyond the outline.
  const std::int64_t reach = before + 2;
  if (box.right + reach <= target.left || box.left - reach >= target.right || box.bottom + reach <= target.top ||
      box.top - reach >= target.bottom)
    return;
  const ScratchFor scratch(target);
  const EllipseShape shape(box, scratch->ellipse_rows[0]);
  const EllipseShape disc(Box64{-before, -before, w - before, w - before}, scratch->ellipse_rows[1]);
  // The bodies of the two diagonal steps the outline can take from one row to the next: a
  // step down-right or down-left from the origin.
  Point64 down_right[4], down_left[4];
  body_quad(Point64{0, 0}, Point64{1, 1}, w, down_right);
  body_quad(Point64{0, 0}, Point64{-1, 1}, w, down_left);

  using Run = SpanRun;
  std::vector<Run>& runs = scratch->runs;
  const std::int64_t y0 = std::max(box.top - reach, target.top);
  const std::int64_t y1 = std::min(box.bottom + reach, target.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    runs.clear();
    // The discs on the outline pixels of rows y - after .. y + before.
    for (std::int64_t r = std::max(box.top, y - after); r <= std::min(box.bottom - 1, y + before); ++r) {
      std::int64_t outer_left, inner_left, inner_right, outer_right, disc_left, disc_right;
      if (!shape.row_outline(r, outer_left, inner_left, inner_right, outer_right)) continue;
      if (!disc.row_extent(y - r, disc_left, disc_right)) continue;
      runs.push_back(Run{Wide{outer_left} + disc_left, Wide{inner_left} + disc_right + 1});
      runs.push_back(Run{Wide{inner_right} + disc_left, Wide{outer_right} + disc_right + 1});
    }
    // The bodies of diagonal steps between rows r and r + 1, on either side.
    for (std::int64_t r = std::max(box.top, y - reach); r <= std::min(box.bottom - 2, y + reach); ++r) {
      std::int64_t upper[4], lower[4];
      if (!shape.row_outline(r, upper[0], upper[1], upper[2], upper[3]) ||
          !shape.row_outline(r + 1, lower[0], lower[1], lower[2], lower[3]))
        continue;
      for (int side = 0; side < 4; side += 2) {  // left run [0, 1], right run [2, 3]
        const Point64* quad = nullptr;
        std::int64_t x = 0;
        if (upper[side + 1] + 1 == lower[side]) {  // from the upper run's right end down-right
          quad = down_right;
          x = upper[side + 1];
        } else if (lower[side + 1] + 1 == upper[side]) {  // from its left end down-left
          quad = down_left;
          x = upper[side];
        }
        if (!quad) continue;
        const Point64 moved[4] = {{quad[0].x + x, quad[0].y + r},
                                  {quad[1].x + x, quad[1].y + r},
                                  {quad[2].x + x, quad[2].y + r},
                                  {quad[3].x + x, quad[3].y + r}};
        Wide lo = 0, hi = 0;
        if (quad_row(moved, y, lo, hi)) runs.push_back(Run{lo, hi});
      }
    }
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.from < b.from; });
    for (std::size_t i = 0; i < runs.size();) {
      Wide from = runs[i].from, to = runs[i].to;
      for (++i; i < runs.size() && runs[i].from <= to; ++i) to = std::max(to, runs[i].to);
      from = std::max<Wide>(from, target.left);
      to = std::min<Wide>(to, target.right);
      if (from < to) target.fill_span(y, static_cast<std::int64_t>(from), static_cast<std::int64_t>(to), pixel);
    }
  }
}

}  // namespace zorva::platform::raster
