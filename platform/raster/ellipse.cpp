// Filling and outlining ellipses row by row over the visible rows only.
#include "platform/raster/ellipse.h"

#include <algorithm>

#include "platform/raster/raster_scratch.h"
#include "platform/raster/wide_pen.h"

namespace zorva::platform::raster {
namespace {

// Pens up to this width follow the outline pixel by pixel (each visible row then looks at
// about 3w outline rows); wider ones take the band between two ellipses.
constexpr std::int64_t kStrokedWidthLimit = 256;

bool misses(const RasterTarget& target, const Box64& box) {
  return box.right <= target.left || box.left >= target.right || box.bottom <= target.top ||
         box.top >= target.bottom || target.empty();
}

}  // namespace

void fill_ellipse(const RasterTarget& target, const Box64& box, std::uint32_t pixel) {
  if (misses(target, box)) return;
  const ScratchFor scratch(target);
  const EllipseShape shape(box, scratch->ellipse_rows[0]);
  const std::int64_t y0 = std::max(box.top, target.top);
  const std::int64_t y1 = std::min(box.bottom, target.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t left, right;
    if (shape.row_extent(y, left, right)) target.fill_span(y, left, right + 1, pixel);
  }
}

void outline_ellipse(const RasterTarget& target, const Box64& box, std::uint32_t pixel) {
  if (misses(target, box)) return;
  const ScratchFor scratch(target);
  const EllipseShape shape(box, scratch->ellipse_rows[0]);
  const std::int64_t y0 = std::max(box.top, target.top);
  const std::int64_t y1 = std::min(box.bottom, target.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t outer_left, inner_left, inner_right, outer_right;
    if (!shape.row_outline(y, outer_left, inner_left, inner_right, outer_right)) continue;
    target.fill_span(y, outer_left, inner_left + 1, pixel);
    target.fill_span(y, inner_right, outer_right + 1, pixel);
  }
}

void draw_thin_ellipse(const RasterTarget& target, const Box64& box, bool fill, std::uint32_t brush, bool outline,
                       std::uint32_t pen) {
  if (misses(target, box) || (!fill && !outline)) return;
  const ScratchFor scratch(target);
  const EllipseShape shape(box, scratch->ellipse_rows[0]);
  const std::int64_t y0 = std::max(box.top, target.top);
  const std::int64_t y1 = std::min(box.bottom, target.bottom);
  // Each row is filled, then outlined: rows do not overlap, so this is the same as filling the
  // whole ellipse before outlining it.
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t outer_left, inner_left, inner_right, outer_right;
    if (!shape.row_outline(y, outer_left, inner_left, inner_right, outer_right)) continue;
    if (fill) target.fill_span(y, outer_left, outer_right + 1, brush);
    if (outline) {
      target.fill_span(y, outer_left, inner_left + 1, pen);
      target.fill_span(y, inner_right, outer_right + 1, pen);
    }
  }
}

void wide_outline_ellipse(const RasterTarget& target, const Box64& box, std::int64_t w, std::uint32_t pixel) {
  // Up to a generous width the one-pixel outline is stroked like a path, pixel to pixel.
  if (w <= kStrokedWidthLimit) {
    stroke_ellipse_outline(target, box, w, pixel);
    return;
  }
  // Wider pens take the band between the ellipse grown by the pen's half width and the one shrunk by it;
  // even widths lean up and to the left.
  const std::int64_t before = w / 2;
  const std::int64_t after = w - 1 - before;
  const Box64 outer{box.left - before, box.top - before, box.right + after, box.bottom + after};
  const Box64 inner{box.left + after + 1, box.top + after + 1, box.right - before - 1, box.bottom - before - 1};
  if (misses(target, outer)) return;
  const ScratchFor scratch(target);
  const EllipseShape outer_shape(outer, scratch->ellipse_rows[0]);
  const bool has_hole = inner.width() >= 1 && inner.height() >= 1;
  const EllipseShape inner_shape(has_hole ? inner : Box64{}, scratch->ellipse_rows[1]);
  const std::int64_t y0 = std::max(outer.top, target.top);
  const std::int64_t y1 = std::min(outer.bottom, target.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t left, right;
    if (!outer_shape.row_extent(y, left, right)) continue;
    std::int64_t hole_left, hole_right;
    if (has_hole && inner_shape.row_extent(y, hole_left, hole_right)) {
      target.fill_span(y, left, hole_left, pixel);
      target.fill_span(y, hole_right + 1, right + 1, pixel);
    } else {
      target.fill_span(y, left, right + 1, pixel);
    }
  }
}

}  // namespace zorva::platform::raster
