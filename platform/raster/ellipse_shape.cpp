// The rows of an ellipse. Up to a moderate size the outline is traced once by an incremental
// walk over one quadrant (error terms in integers, mirrored to the other three); beyond that
// each row comes from the ellipse equation, so giant ellipses cost only their visible rows.
#include <algorithm>
#include <cmath>

#include "platform/raster/ellipse.h"

namespace zorva::platform::raster {
namespace {

// Boxes with both sides up to this size are walked (at most a few tens of thousands of steps).
constexpr std::int64_t kWalkLimit = 16384;

// Traces the outline of the ellipse through the pixel centres of a W x H box (W, H >= 3) and
// records, for each row, the rightmost outline pixel.
void walk_outline(std::int64_t width, std::int64_t height, std::vector<std::int32_t>& right) {
  right.assign(static_cast<std::size_t>(height), -1);
  auto mark = [&](std::int64_t x, std::int64_t y) {
    if (y < 0 || y >= height) return;
    auto& r = right[static_cast<std::size_t>(y)];
    r = std::max<std::int32_t>(r, static_cast<std::int32_t>(x));
  };
  const std::int64_t a = width - 1;
  const std::int64_t b = height - 1;
  const std::int64_t b_odd = b & 1;
  // Errors of the implicit equation for the next x and y steps, and their second differences.
  std::int64_t step_x = 4 * (1 - a) * b * b;
  std::int64_t step_y = 4 * (b_odd + 1) * a * a;
  std::int64_t error = step_x + step_y + b_odd * a * a;
  const std::int64_t grow_y = 8 * a * a;
  const std::int64_t grow_x = 8 * b * b;
  std::int64_t left_x = 0, right_x = a;
  std::int64_t lower_y = (b + 1) / 2;  // walks down from the middle
  std::int64_t upper_y = lower_y - b_odd;  // walks up from the middle
  do {
    mark(right_x, lower_y);
    mark(right_x, upper_y);
    const std::int64_t doubled = 2 * error;
    if (doubled <= step_y) {
      ++lower_y;
      --upper_y;
      step_y += grow_y;
      error += step_y;
    }
    // The column step is decided on the same doubled error as the row step, as GDI does:
    // every box from 5 by 5 to 48 by 48 then comes out as Windows draws it (checked under Wine).
    if (doubled >= step_x) {
      ++left_x;
      --right_x;
      step_x += grow_x;
      error += step_x;
    }
  } while (left_x <= right_x);
  // Very flat ellipses stop early: finish their tips.
  while (lower_y - upper_y < b) {
    mark(right_x + 1, lower_y++);
    mark(right_x + 1, upper_y--);
  }
}

}  // namespace

EllipseShape::EllipseShape(const Box64& box, std::vector<std::int32_t>& rows) : box_(box) {
  if (!boxy() && box.width() <= kWalkLimit && box.height() <= kWalkLimit) {
    walk_outline(box.width(), box.height(), rows);
    walked_ = rows.data();
  }
}

std::int64_t EllipseShape::right_offset(std::int64_t r) const {
  const std::int64_t w = box_.width();
  const std::int64_t h = box_.height();
  if (r < 0 || r >= h) return -1;
  if (boxy()) return w - 1;
  if (walked_) return walked_[r];
  // Closed form in doubled coordinates (the centre may fall between pixels); the radii are
  // taken a little beyond the pixel centres, which is where the walk lands on average.
  const long double a = static_cast<long double>(w - 1) + 1.7L;
  const long double b = static_cast<long double>(h - 1) + 1.7L;
  const std::int64_t v2 = std::abs(2 * r - (h - 1));
  const long double ratio = static_cast<long double>(v2) / b;
  if (ratio >= 1.0L) return -1;
  std::int64_t u2 = static_cast<std::int64_t>(std::floor(a * std::sqrt(1.0L - ratio * ratio)));
  u2 = std::min(u2, w - 1);
  if (((u2 - (w - 1)) & 1) != 0) --u2;
  if (u2 < 0) return -1;
  return (w - 1 + u2) / 2;
}

bool EllipseShape::row_extent(std::int64_t y, std::int64_t& left, std::int64_t& right) const {
  const std::int64_t offset = right_offset(y - box_.top);
  if (offset < 0) return false;
  left = box_.left + (box_.width() - 1 - offset);
  right = box_.left + offset;
  return true;
}

bool EllipseShape::row_outline(std::int64_t y, std::int64_t& outer_left, std::int64_t& inner_left,
                               std::int64_t& inner_right, std::int64_t& outer_right) const {
  const std::int64_t r = y - box_.top;
  const std::int64_t offset = right_offset(r);
  if (offset < 0) return false;
  const std::int64_t w = box_.width();
  outer_left = box_.left + (w - 1 - offset);
  outer_right = box_.left + offset;
  if (boxy()) {  // the outline of a narrow box is its border
    const bool edge_row = r == 0 || r == box_.height() - 1;
    inner_left = edge_row ? outer_right : outer_left;
    inner_right = edge_row ? outer_left : outer_right;
    return true;
  }
  // The run reaches inwards to just beyond the extent of the next row out from the middle, so
  // the outline stays connected along its flat stretches.
  const std::int64_t h = box_.height();
  const std::int64_t outer_row = 2 * r < h - 1 ? r - 1 : r + 1;
  const std::int64_t neighbour = right_offset(outer_row);
  const std::int64_t centre_right = w / 2;  // rightmost of the middle column(s)
  const std::int64_t inner_offset = std::min(neighbour < 0 ? centre_right : neighbour + 1, offset);
  inner_right = box_.left + inner_offset;
  inner_left = box_.left + (w - 1 - inner_offset);
  return true;
}

}  // namespace zorva::platform::raster
