// Ellipse rows in closed form: each visible row is computed on its own, so the cost follows
// the visible rows, not the ellipse's size.
#include "platform/raster/ellipse.h"

#include <algorithm>
#include <cmath>

namespace zorva::platform::raster {
namespace {

using Wide = __int128;

// Below this doubled radius the inside test is done exactly in 128-bit integers.
constexpr std::int64_t kExactLimit = std::int64_t{1} << 28;

}  // namespace

EllipseShape::EllipseShape(const Box64& box)
    : box_(box),
      centre_x2_(box.left + box.right - 1),
      centre_y2_(box.top + box.bottom - 1),
      radius_x2_(box.width() - 1),
      radius_y2_(box.height() - 1),
      parity_((box.width() - 1) & 1) {}

std::int64_t EllipseShape::half_extent(std::int64_t v2) const {
  const std::int64_t a = radius_x2_;
  const std::int64_t b = radius_y2_;
  if (v2 > b || a < 0 || b <= 0) return -1;
  const long double ratio = static_cast<long double>(v2) / static_cast<long double>(b);
  const long double reach = static_cast<long double>(a) * std::sqrt(std::max(0.0L, 1.0L - ratio * ratio));
  std::int64_t u2 = static_cast<std::int64_t>(std::floor(reach + 1e-9L));
  u2 = std::min(u2, a);
  if (((u2 - parity_) & 1) != 0) --u2;
  if (a < kExactLimit && b < kExactLimit) {
    // Settle rounding exactly: inside iff u2^2 b^2 + v2^2 a^2 <= a^2 b^2.
    const Wide aa = Wide{a} * a, bb = Wide{b} * b, rhs = aa * bb, vv = Wide{v2} * v2 * aa;
    auto inside = [&](std::int64_t u) { return Wide{u} * u * bb + vv <= rhs; };
    while (u2 >= parity_ && !inside(u2)) u2 -= 2;
    while (u2 + 2 <= a && inside(u2 + 2)) u2 += 2;
  }
  return u2 >= parity_ ? u2 : -1;
}

bool EllipseShape::row_extent(std::int64_t y, std::int64_t& left, std::int64_t& right) const {
  if (y < box_.top || y >= box_.bottom) return false;
  if (boxy()) {
    left = box_.left;
    right = box_.right - 1;
    return true;
  }
  const std::int64_t v2 = std::abs(2 * y - centre_y2_);
  const std::int64_t u2 = half_extent(v2);
  if (u2 < 0) return false;
  left = (centre_x2_ - u2) / 2;
  right = (centre_x2_ + u2) / 2;
  return true;
}

bool EllipseShape::row_outline(std::int64_t y, std::int64_t& outer_left, std::int64_t& inner_left,
                               std::int64_t& inner_right, std::int64_t& outer_right) const {
  if (y < box_.top || y >= box_.bottom) return false;
  if (boxy()) {  // the outline of a narrow box is the box's border
    outer_left = box_.left;
    outer_right = box_.right - 1;
    const bool edge_row = y == box_.top || y == box_.bottom - 1;
    inner_left = edge_row ? outer_right : outer_left;
    inner_right = edge_row ? outer_left : outer_right;
    return true;
  }
  const std::int64_t v2 = std::abs(2 * y - centre_y2_);
  const std::int64_t u2 = half_extent(v2);
  if (u2 < 0) return false;
  // The run reaches inwards to just beyond the next outer row's extent, so the outline stays
  // connected along its flat stretches.
  const std::int64_t outer_u2 = half_extent(v2 + 2);
  const std::int64_t inner_u2 = std::min(outer_u2 < 0 ? parity_ : outer_u2 + 2, u2);
  outer_left = (centre_x2_ - u2) / 2;
  outer_right = (centre_x2_ + u2) / 2;
  inner_left = (centre_x2_ - inner_u2) / 2;
  inner_right = (centre_x2_ + inner_u2) / 2;
  return true;
}

void fill_ellipse(const RasterTarget& target, const Box64& box, std::uint32_t pixel) {
  const EllipseShape shape(box);
  const std::int64_t y0 = std::max(box.top, target.top);
  const std::int64_t y1 = std::min(box.bottom, target.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t left, right;
    if (shape.row_extent(y, left, right)) target.fill_span(y, left, right + 1, pixel);
  }
}

void outline_ellipse(const RasterTarget& target, const Box64& box, std::uint32_t pixel) {
  const EllipseShape shape(box);
  const std::int64_t y0 = std::max(box.top, target.top);
  const std::int64_t y1 = std::min(box.bottom, target.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t outer_left, inner_left, inner_right, outer_right;
    if (!shape.row_outline(y, outer_left, inner_left, inner_right, outer_right)) continue;
    target.fill_span(y, outer_left, inner_left + 1, pixel);
    target.fill_span(y, inner_right, outer_right + 1, pixel);
  }
}

void wide_outline_ellipse(const RasterTarget& target, const Box64& box, std::int64_t w, std::uint32_t pixel) {
  // The band between the ellipse grown by the pen's half width and the one shrunk by it;
  // even widths lean up and to the left.
  const std::int64_t before = w / 2;
  const std::int64_t after = w - 1 - before;
  const Box64 outer{box.left - before, box.top - before, box.right + after, box.bottom + after};
  const Box64 inner{box.left + after + 1, box.top + after + 1, box.right - before - 1, box.bottom - before - 1};
  const EllipseShape outer_shape(outer);
  const bool has_hole = inner.width() >= 1 && inner.height() >= 1;
  const EllipseShape inner_shape(has_hole ? inner : Box64{});
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
