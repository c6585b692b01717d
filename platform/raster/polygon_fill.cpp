// Scanline polygon filling: the rows walked are only those inside the target, so the work is
// bounded by what is visible whatever the coordinates.
#include "platform/raster/polygon_fill.h"

#include <algorithm>

#include "platform/raster/raster_scratch.h"
#include "platform/raster/wide_math.h"

namespace zorva::platform::raster {
namespace {

// Coordinates within this bound have differences whose products fit in 64 bits.
constexpr std::int64_t kNarrowBound = std::int64_t{1} << 30;

// floor and ceil of a / b for b > 0, in 64 bits.
std::int64_t ceil_div64(std::int64_t a, std::int64_t b) { return a >= 0 ? (a + b - 1) / b : -(-a / b); }

// The first pixel column at or right of where edge (a, b) crosses row y.
std::int64_t crossing(const Point64& a, const Point64& b, std::int64_t y, bool narrow) {
  if (narrow) {  // the same rounding without 128-bit division
    const std::int64_t dy = b.y - a.y;
    const std::int64_t num = (y - a.y) * (b.x - a.x);
    return (dy > 0 ? ceil_div64(num, dy) : ceil_div64(-num, -dy)) + a.x;
  }
  const Wide dy = Wide{b.y} - a.y;
  const Wide num = (Wide{y} - a.y) * (Wide{b.x} - a.x);
  Wide x = dy > 0 ? ceil_div(num, dy) : ceil_div(-num, -dy);
  return static_cast<std::int64_t>(x + a.x);
}

bool within_narrow_bound(const Point64& p) {
  return p.x > -kNarrowBound && p.x < kNarrowBound && p.y > -kNarrowBound && p.y < kNarrowBound;
}

}  // namespace

void fill_polygon(const RasterTarget& target, std::span<const Point64> points, std::uint32_t pixel) {
  if (points.size() < 3 || target.empty()) return;
  const ScratchFor scratch(target);
  // The edges that cross a visible row, sorted by their first row, so each row looks only at
  // the edges active on it.
  std::vector<PolygonEdge>& edges = scratch->edges;
  edges.clear();
  bool narrow = true;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point64& a = points[i];
    const Point64& b = points[(i + 1) % points.size()];
    narrow = narrow && within_narrow_bound(a);
    if (a.y == b.y) continue;  // horizontal edges cross no row
    PolygonEdge e{a.y < b.y ? a : b, a.y < b.y ? b : a, 0, 0};
    e.first = std::max(e.top.y, target.top);
    e.end = std::min(e.bottom.y, target.bottom);
    if (e.first < e.end) edges.push_back(e);
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const PolygonEdge& a, const PolygonEdge& b) { return a.first < b.first; });
  std::int64_t y_end = edges.front().first;
  for (const PolygonEdge& e : edges) y_end = std::max(y_end, e.end);
  std::vector<const PolygonEdge*>& active = scratch->active;
  std::vector<std::int64_t>& xs = scratch->crossings;
  active.clear();
  std::size_t next = 0;
  for (std::int64_t y = edges.front().first; y < y_end; ++y) {
    while (next < edges.size() && edges[next].first <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const PolygonEdge* e) { return e->end <= y; });
    xs.clear();
    for (const PolygonEdge* e : active) xs.push_back(crossing(e->top, e->bottom, y, narrow));
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) target.fill_span(y, xs[k], xs[k + 1], pixel);
  }
}

}  // namespace zorva::platform::raster
