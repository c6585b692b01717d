// Ellipses inscribed in a box (right column and bottom row excluded), row by row.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/raster/raster_target.h"

namespace zorva::platform::raster {

struct Box64 {
  std::int64_t left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  std::int64_t width() const { return right - left; }
  std::int64_t height() const { return bottom - top; }
};

// The ellipse inscribed in the box, through the pixel centres of its outer rows and columns.
// Boxes of width or height 2 or less are plain rectangles.
class EllipseShape {
 public:
  // `rows` holds the walked outline while the shape is in use (its storage is reused).
  EllipseShape(const Box64& box, std::vector<std::int32_t>& rows);

  // The outermost outline pixels of row y: [left, right] inclusive; false if the row is empty.
  bool row_extent(std::int64_t y, std::int64_t& left, std::int64_t& right) const;
  // The outline pixels of row y: [outer_left, inner_left] and [inner_right, outer_right].
  bool row_outline(std::int64_t y, std::int64_t& outer_left, std::int64_t& inner_left,
                   std::int64_t& inner_right, std::int64_t& outer_right) const;
  const Box64& box() const { return box_; }
  // Boxes of width or height 2 or less are drawn as rectangles.
  bool boxy() const { return box_.width() <= 2 || box_.height() <= 2; }

 private:
  // Rightmost pixel of row r (0 = the box's top row) as an offset from the box's left edge,
  // or -1 when the row is empty; rows mirror about the middle, columns about the centre.
  std::int64_t right_offset(std::int64_t r) const;

  Box64 box_;
  // Boxes up to a moderate size are walked once, exactly; larger ones use a closed form.
  const std::int32_t* walked_ = nullptr;
};

// Fills every row between its outermost outline pixels.
void fill_ellipse(const RasterTarget& target, const Box64& box, std::uint32_t pixel);
// Draws the one-pixel outline.
void outline_ellipse(const RasterTarget& target, const Box64& box, std::uint32_t pixel);
// Fills (when `fill`) and then outlines one pixel wide (when `outline`), walking the shape once.
void draw_thin_ellipse(const RasterTarget& target, const Box64& box, bool fill, std::uint32_t brush, bool outline,
                       std::uint32_t pen);
// Draws an outline of pen width w (> 1) centred on the one-pixel outline.
void wide_outline_ellipse(const RasterTarget& target, const Box64& box, std::int64_t w, std::uint32_t pixel);

}  // namespace zorva::platform::raster
