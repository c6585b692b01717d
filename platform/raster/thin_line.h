// One-pixel lines with the end pixel left out.
#pragma once

#include <cstdint>

#include "platform/raster/raster_target.h"

namespace zorva::platform::raster {

// Draws the pixels of the line from (x0, y0) towards (x1, y1), the end pixel excluded.
// Walks only the part of the line inside the target; a line and its reverse cover the same
// pixels (apart from which end is left out).
void draw_thin_line(const RasterTarget& target, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                    std::int64_t y1, std::uint32_t pixel);

}  // namespace zorva::platform::raster
