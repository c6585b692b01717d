// Pens wider than one pixel: round caps and joins, the stroke centred on the path.
#pragma once

#include <cstdint>
#include <span>

#include "platform/raster/ellipse.h"
#include "platform/raster/polygon_fill.h"
#include "platform/raster/raster_target.h"

namespace zorva::platform::raster {

// A w x w disc centred on a vertex (even widths lean up and to the left).
void draw_pen_disc(const RasterTarget& target, Point64 centre, std::int64_t w, std::uint32_t pixel);
// The body of one segment, w wide, without its round ends.
void draw_wide_segment(const RasterTarget& target, Point64 from, Point64 to, std::int64_t w, std::uint32_t pixel);
// A path of segments with a disc on every vertex; closed paths join the last point to the first.
void draw_wide_path(const RasterTarget& target, std::span<const Point64> points, bool closed, std::int64_t w,
                    std::uint32_t pixel);

// The one-pixel outline of the ellipse in box stroked as a closed path through each of its
// pixels in turn. Every visible row looks at about 3w rows of the outline.
void stroke_ellipse_outline(const RasterTarget& target, const Box64& box, std::int64_t w, std::uint32_t pixel);

}  // namespace zorva::platform::raster
