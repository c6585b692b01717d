// Buffers the rasteriser reuses from one shape to the next, so that drawing allocates nothing
// once they have grown to the shapes drawn. The platform keeps one set in its state; shapes
// reach it through their RasterTarget (a target without one gets buffers of its own).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/raster/polygon_fill.h"
#include "platform/raster/wide_math.h"

namespace zorva::platform::raster {

// A polygon edge that crosses visible rows: first <= y < end.
struct PolygonEdge {
  Point64 top, bottom;
  std::int64_t first, end;
};

// Part of one row, [from, to).
struct SpanRun {
  Wide from, to;
};

struct RasterScratch {
  std::vector<Point64> points;  // a polygon's vertices, in 64 bits
  std::vector<PolygonEdge> edges;
  std::vector<const PolygonEdge*> active;
  std::vector<std::int64_t> crossings;
  // The walked rows of the ellipses in use at once: at most two (an outline and its pen disc,
  // or the two edges of a wide pen's band).
  std::vector<std::int32_t> ellipse_rows[2];
  std::vector<SpanRun> runs;  // a stroked ellipse's runs on one row
};

// The buffers a shape works with: its target's, or its own when the target has none.
class ScratchFor {
 public:
  explicit ScratchFor(const RasterTarget& target) : scratch_(target.scratch) {
    if (!scratch_) scratch_ = &own_.emplace();
  }
  RasterScratch& operator*() const { return *scratch_; }
  RasterScratch* operator->() const { return scratch_; }

 private:
  RasterScratch* scratch_;
  std::optional<RasterScratch> own_;
};

}  // namespace zorva::platform::raster
