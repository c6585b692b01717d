// Filling polygons with the alternate (even-odd) rule, row by row over the visible rows.
#pragma once

#include <cstdint>
#include <span>

#include "platform/raster/raster_target.h"

namespace zorva::platform::raster {

struct Point64 {
  std::int64_t x = 0;
  std::int64_t y = 0;
};

// Pixel (x, y) is filled when its centre (x, y) lies inside under the alternate rule, with
// points on a left or top edge inside and on a right or bottom edge outside: on each row the
// spans run from the first pixel at or right of one crossing to just before the next's.
void fill_polygon(const RasterTarget& target, std::span<const Point64> points, std::uint32_t pixel);

}  // namespace zorva::platform::raster
